#include "game/input_refusals.h"

#include "rules/texts.h"

namespace tallimor {

std::string Refusalline(Inputrefusal why, const GameSettings& s, bool keyboard) {
    const bool blanks = s.Blankroom > 0;
    const std::string length = std::to_string(s.Codelength);
    switch (why) {
        case Inputrefusal::None:
            break;
        case Inputrefusal::Full:
            if (keyboard) return "All " + length + " positions are typed.";
            return s.Fixedorder() ? "The row is full: take a colour out first."
                                  : "The row is full: drop a colour onto the one it replaces.";
        case Inputrefusal::Notcolour:
            return "Type the digits 0 to " + std::to_string(s.Colours - 1) + " for the colours" +
                   (blanks ? " and b for a blank." : ".");
        case Inputrefusal::Blanks:
            if (!blanks) return "A blank is allowed only where the length is unspecified.";
            return "This setting allows at most " + std::to_string(s.Blankroom) + " " +
                   Plural("blank", s.Blankroom) + ".";
        case Inputrefusal::Repeat:
            if (s.MaxRepeat <= 1) return "This setting allows no repetition: each colour at most once.";
            return "This setting allows each colour at most " + std::to_string(s.MaxRepeat) + " times.";
        case Inputrefusal::Order:
            if (!keyboard) return "A \"Fixed order\" row keeps its colours in ascending order.";
            return std::string("A \"Fixed order\" code goes in ascending order") +
                   (blanks ? ", blanks last." : ".");
        case Inputrefusal::Unfilled:
            if (!keyboard) return "Every position needs a colour before Submit.";
            return "Type all " + length + " positions" + (blanks ? ", b for a blank," : "") +
                   " before Submit.";
        case Inputrefusal::Keyboard:
            return "Keyboard input is on: type the colours' digits.";
    }
    return "";
}

std::string Colourtip(const GameSettings& s, bool keyboard, bool hasBorder, bool rowFull) {
    if (keyboard) return Refusalline(Inputrefusal::Keyboard, s, true);
    if (!hasBorder) return Refusalline(Inputrefusal::Repeat, s, false);
    // In a "Random order" row a colour dropped on a position replaces the one there.
    if (rowFull && s.Fixedorder()) return Refusalline(Inputrefusal::Full, s, false);
    return "";
}

}  // namespace tallimor
