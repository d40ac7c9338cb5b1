#include "rules/game_settings.h"

namespace tallimor {

GameSettings GameSettings::Make(int colours, int length, bool fixedLength, int ordertype, int maxRepeat,
                                int who, int startfrom, int hinterrors) {
    GameSettings s;
    s.Who = static_cast<Guesser>(who);
    s.Colours = static_cast<int16_t>(colours);
    s.Startfrom = static_cast<Startpoint>(startfrom);
    s.Starttrial = 1;
    s.Codelength = static_cast<int16_t>(length);
    s.Fixedlength = fixedLength ? Lengthkind::Fixed : Lengthkind::Unspecified;
    s.Blankroom = fixedLength ? 0 : static_cast<int16_t>(length - 3);
    s.Hinterrors = static_cast<Hintkind>(hinterrors);
    s.Ordertype = static_cast<Ordering>(ordertype);
    s.MaxRepeat = static_cast<int16_t>(maxRepeat);
    Setlengthclass(s);
    return s;
}

void Setlengthclass(GameSettings& s) {
    s.Lengthclass = s.Fixedcodelength() ? s.Codelength : static_cast<int16_t>(s.Codelength + 5);
}

std::string Whotext(Guesser who) {
    switch (who) {
        case Guesser::Player:
            return "You guess";
        case Guesser::Computer:
            return "Computer guesses";
        case Guesser::Watch:
            return "Watch computer play";
    }
    return "";
}

std::string Lengthtext(const GameSettings& s) {
    if (s.Fixedcodelength()) return std::to_string(s.Codelength);
    return "Unspecified (3 - " + std::to_string(s.Codelength) + ")";
}

std::string Repeattext(const GameSettings& s) {
    if (s.MaxRepeat == s.Codelength) return "May be repeated any times";
    if (s.MaxRepeat == 1) return "No repetition";
    return "Each colour at most " + std::to_string(s.MaxRepeat) + " times";
}

std::string Settitletext() {
    return "Who guesses?\nNumber of colours:\nStart from:\nLength of code:\n"
           "Hints contain error(s)?\nOrder type:\nColour repeated? \nGame status:";
}

std::string Setcontenttext(const GameSettings& s, const std::string& gamestatus) {
    std::string start =
        !s.Middlestart() ? std::string("Trial 1") : "Middle (Trial " + std::to_string(s.Starttrial) + ")";
    return Whotext(s.Who) + "\n" + std::to_string(s.Colours) + "\n" + start + "\n" + Lengthtext(s) + "\n" +
           (s.Errorsallowed() ? "May contain error(s)" : "No error") + "\n" +
           (s.Fixedorder() ? "Fixed order" : "Random order") + "\n" + Repeattext(s) + "\n" + gamestatus;
}

}  // namespace tallimor
