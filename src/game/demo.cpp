// The unattended demo: games of the computer against itself, one after
// another, each with a setting drawn at random, at the pace of the speed bar.
// It asks nothing: what a game would put in a message box goes to the demo's
// message panel, and the game after it follows on the delay timer.  Also the
// animation switch, which the window's flying figure and sky obey.

#include <algorithm>

#include "game/tallimormod.h"
#include "rules/texts.h"

namespace tallimor {

namespace {

constexpr int kNextdemoms = 1000;  // the last text of a game stays this long

}  // namespace

void Tallimormod::Mnudemo_Click() {
    if (menus_.Mnumedia && menus_.Mnudemo) Startdemo();
}

// The start of unattended play, a demo's or a statistics run's: the demo's
// wait, which a click on the record ends, the setting to put back then, as
// the Cancel of the Game Setting Menu does, and the menus and toolbar taken away.
void Tallimormod::Beginrun(Runkind mode) {
    Setwait(Wait::Demo);
    saved_ = lists_.Save();
    menus_.Mnugame = menus_.Mnumedia = menus_.Mnuoption = menus_.Mnuhelp = false;
    menus_.Tlbgame = false;
    demoOn_ = true;
    runmode_ = mode;
}

void Tallimormod::Startdemo() {
    if (!demoOn_) {
        Beginrun(Runkind::Demo);
        demo_.playerDisplay = screen_.display;
        menus_.Mnuquit = false;  // the demo takes Quit away too
    }
    g_.Random.Reseed();
    // The integer part of a fraction times the size of the range, plus its lowest value.
    auto draw = [this](int lowest, int count) { return lowest + static_cast<int>(g_.Random.Draw() * count); };
    const Displaymode mode = draw(0, 2) == 0 ? Displaymode::Colour : Displaymode::Number;
    const int colours = draw(5, 6);
    const int startfrom = draw(1, 2);
    const int length = draw(3, colours - 4);  // 3 up to two fewer than the colours
    const bool fixed = length == 3 || draw(0, 2) == 1;
    const int order = draw(1, 2);
    const int repeat = draw(1, length);
    const int hints = draw(1, 2);
    Setdisplay(mode);
    g_.Settings = GameSettings::Make(colours, length, fixed, order, repeat, 3, startfrom, hints);
    marking_.computerMarks = true;
    demo_.view.speedShown = true;
    Initialize();  // a records file that cannot be read only costs its averages
    Startgame();
    Getguess();
}

void Tallimormod::Hsbspeed_Change(int value) {
    demo_.view.speed = std::clamp(value, 0, demo_.view.speedMax);
    timers_[static_cast<size_t>(Timerid::Tmrdelay)].interval = Speedinterval();
}

int Tallimormod::Speedinterval() const { return 999 * demo_.view.speed / demo_.view.speedMax + 1; }

void Tallimormod::Pacedelay(bool owntrial) {
    // The trials a game is given are taken in at once; the computer's own go at the demo's pace.
    timers_[static_cast<size_t>(Timerid::Tmrdelay)].interval =
        owntrial && wait_.Current() == Wait::Demo ? Speedinterval() : 1;
}

void Tallimormod::Picrecord_MouseDown(int button) {
    if (button == 1 && wait_.Current() == Wait::Demo) {
        wait_.Setdirect(Wait::None);
        Showstatus();
        Cmdcancel_Click();
    } else if (button == 2 && menus_.Mnugame) {
        ++demo_.popups;
    }
}

bool Tallimormod::Escape_Keypress() {
    if (wait_.Current() != Wait::Demo) return false;
    Picrecord_MouseDown(1);
    return true;
}

void Tallimormod::Picfore_MouseDown(int button) {
    if (button == 2 && menus_.Mnugame) ++demo_.popups;  // the cloud area offers the Game menu
}

bool Tallimormod::Enddemo() {
    Stoptimer(Timerid::Tmrdelay);
    demo_.view.shown = demo_.view.speedShown = false;
    const bool was = demoOn_;
    demoOn_ = false;
    if (was) menus_.Tlbgame = true;  // the idle screen's menus come back with Finishgame
    if (runmode_ == Runkind::Demo) runmode_ = Runkind::None;
    if (demo_.playerDisplay) screen_.display = *demo_.playerDisplay;
    demo_.playerDisplay.reset();
    return was;
}

// ------------------------------------------------------------ its messages

void Tallimormod::Demomessage(char icon, const std::string& text) {
    demo_.view.icon = icon;
    demo_.view.text = text;
    demo_.view.shown = true;
}

void Tallimormod::Demothinking() {
    // After a correction its text stays on show.
    if (g_.Gamestatus != GameStatus::Continueplaying)
        Demomessage('i', "I am thinking. Please wait a while.\n");
}

void Tallimormod::Demodetected() {
    Demomessage('X', "I have detected an error in the " + Plural("hint", g_.Currenttrial) + ".");
    // The next step corrects the hints.
    Pacedelay(true);
    Starttimer(Timerid::Tmrdelay);
}

void Tallimormod::Democorrected() {
    const auto n = static_cast<long>(wrong_.TrueBlacks.size());
    Demomessage('i', "The " + Plural("error", n) + " " + Plural("has", n) +
                         " been corrected and I continue guessing.");
}

void Tallimormod::Demoend(const std::string& text) {
    Demomessage('!', text);
    g_.Gamestatus = GameStatus::Nextdemo;
    timers_[static_cast<size_t>(Timerid::Tmrdelay)].interval = kNextdemoms;
    Starttimer(Timerid::Tmrdelay);
}

bool Tallimormod::Demostep() {
    if (!demoOn_) return false;
    if (g_.Gamestatus == GameStatus::Errordetected) {
        Correction();
        return true;
    }
    if (g_.Gamestatus == GameStatus::Nextdemo) {
        Nextdemo();
        return true;
    }
    return false;
}

void Tallimormod::Nextdemo() {
    demo_.view.shown = false;
    screen_.board.rows.clear();
    if (runmode_ == Runkind::Demo) {
        timers_[static_cast<size_t>(Timerid::Tmrdelay)].interval = Speedinterval();
        Startdemo();
    }
}

// ------------------------------------------------------------ animation

void Tallimormod::Mnuani_Click() {
    if (menus_.Mnumedia) demo_.animation = !demo_.animation;
}

void Tallimormod::Placefigure() {
    if (demo_.animation) ++demo_.placed;
}

void Tallimormod::Describedemo(Mainview& v) const {
    v.demo = demo_.view;
    Animationview& a = v.animation;
    a.on = demo_.animation;
    const GameSettings& s = g_.Settings;
    a.fly = demo_.animation && Isshown(Panel::Lbltime) &&
            (s.Playerguesses() || (s.Computerguesses() && !marking_.computerMarks));
    a.trial = g_.Currenttrial;
    a.placed = demo_.placed;
    a.winlaps = demo_.winlaps;
    v.gamemenuPopups = demo_.popups;
}

}  // namespace tallimor
