#include "rules/game_settings.h"

namespace tallimor {

GameSettings GameSettings::Make(int colours, int length, bool fixedLength, int ordertype, int maxRepeat,
                                int who, int startfrom, int hinterrors) {
    GameSettings s;
    s.Who = static_cast<int16_t>(who);
    s.Colours = static_cast<int16_t>(colours);
    s.Startfrom = static_cast<int16_t>(startfrom);
    s.Starttrial = 1;
    s.Codelength = static_cast<int16_t>(length);
    s.Fixedlength = fixedLength ? 1 : 0;
    s.Blankroom = fixedLength ? 0 : static_cast<int16_t>(length - 3);
    s.Hinterrors = static_cast<int16_t>(hinterrors);
    s.Ordertype = static_cast<int16_t>(ordertype);
    s.MaxRepeat = static_cast<int16_t>(maxRepeat);
    Setlengthclass(s);
    return s;
}

void Setlengthclass(GameSettings& s) {
    s.Lengthclass = s.Fixedlength == 1 ? s.Codelength : static_cast<int16_t>(s.Codelength + 5);
}

std::string Whotext(int who) {
    switch (who) {
        case 1:
            return "You guess";
        case 2:
            return "Computer guesses";
        case 3:
            return "Watch computer play";
        default:
            return "";
    }
}

std::string Lengthtext(const GameSettings& s) {
    if (s.Fixedlength == 1) return std::to_string(s.Codelength);
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
        s.Startfrom == 1 ? std::string("Trial 1") : "Middle (Trial " + std::to_string(s.Starttrial) + ")";
    return Whotext(s.Who) + "\n" + std::to_string(s.Colours) + "\n" + start + "\n" + Lengthtext(s) + "\n" +
           (s.Hinterrors == 1 ? "No error" : "May contain error(s)") + "\n" +
           (s.Ordertype == 1 ? "Fixed order" : "Random order") + "\n" + Repeattext(s) + "\n" + gamestatus;
}

}  // namespace tallimor
