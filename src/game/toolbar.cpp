#include "game/toolbar.h"

#include "game/tallimormod.h"

namespace tallimor {

std::string_view Tooltip(int index, bool animationOn) {
    constexpr std::array<std::string_view, kToolbuttons + 1> tips{
        "",
        "View and change game setting",
        "Start new game",
        "Load a previous game",
        "Save the current game",
        "End the current game",
        "The music function is suppressed in this programme",
        "Switch off animation",
        "Start demo",
        "Switch to Mouse Input Method",
        "Switch to Keyboard Input Method",
        "Switch to Colour Display Mode",
        "Switch to Number Display Mode",
        "Quit this programme"};
    if (index == 7 && !animationOn) return "Switch on animation";
    return index >= 1 && index <= kToolbuttons ? tips[static_cast<size_t>(index)] : "";
}

std::array<bool, kToolbuttons + 1> Settlb(const Menustate& m) {
    const bool game = m.Mnugame && m.Tlbgame, media = m.Mnumedia && m.Tlbgame,
               option = m.Mnuoption && m.Tlbgame;
    return {false,
            game && m.Mnuset,
            game && m.Mnunew,
            game && m.Mnuload,
            game && m.Mnusaving,
            game && m.Mnuend,
            false,
            media,
            media && m.Mnudemo,
            option,
            option,
            option,
            option,
            game && m.Mnuquit};
}

std::array<bool, kToolbuttons + 1> Toolbarpressed(bool keyboard, Displaymode display, bool animationOn) {
    std::array<bool, kToolbuttons + 1> pressed{};
    pressed[7] = animationOn;
    pressed[9] = !keyboard;
    pressed[10] = keyboard;
    pressed[11] = display == Displaymode::Colour;
    pressed[12] = display == Displaymode::Number;
    return pressed;
}

void Tallimormod::Mnumusic_Click() {}  // the program has no music

void Tallimormod::Tlbgame_Click(int index) {
    if (index < 1 || index > kToolbuttons || !Settlb(menus_)[static_cast<size_t>(index)]) return;
    switch (index) {
        case 1:
            return Mnuset_Click();
        case 2:
            return Mnunew_Click();
        case 3:
            return Mnuload_Click();
        case 4:
            return Mnusave_Click();
        case 5:
            return Mnuend_Click();
        case 6:
            return Mnumusic_Click();
        case 7:
            return Mnuani_Click();
        case 8:
            return Mnudemo_Click();
        case 9:
            return Mnumouse_Click();
        case 10:
            return Mnukey_Click();
        case 11:
            return Mnucolour_Click();
        case 12:
            return Mnunumber_Click();
        case 13:
            return Mnuquit_Click();
        default:
            return;
    }
}

}  // namespace tallimor
