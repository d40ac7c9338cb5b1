// The Top Five: a qualifying win asks for a name, the entry is placed, and
// the list of the setting is shown, after a win or from the Game Setting
// Menu; in designer mode the list carries an editor of its places.

#include <cmath>
#include <cstdio>

#include "game/tallimormod.h"
#include "records/computer_statistics.h"
#include "records/top_five.h"

namespace tallimor {

namespace {

// The characters of a UTF-8 text, at most `n` of them.
std::string Firstcharacters(const std::string& text, size_t n) {
    size_t count = 0, i = 0;
    for (; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && count++ == n) break;
    }
    return text.substr(0, i);
}

bool Number(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    while (end && *end == ' ') ++end;
    return !text.empty() && end && *end == '\0' && std::isfinite(value);
}

}  // namespace

bool Tallimormod::Readrecords(Afterbox after) {
    const WinnersResult r = Readwinners(recordsFolder_, g_.Settings.Colours, winners_);
    if (r.Usable()) return true;
    Messagebox(Message::Recordsfile, r.message, after);
    return false;
}

void Tallimormod::Checkwinners() {
    if (savestatus_ == SaveStatus::Loaded || !g_.Settings.Playerguesses() || wrong_.ErrorPending ||
        recordsFolder_.empty()) {
        Finishgame();
        return;
    }
    if (!Readrecords(Afterbox::Finishgame)) return;
    if (!Qualifies(winners_, g_.Settings, clock_.Timespent, g_.Attempts)) {
        Finishgame();
        return;
    }
    screen_.board.rows.clear();
    Hide(Panel::Franswer);
    menus_.Mnuend = false;
    Show(Panel::Frgetname);
    top_.nameText.clear();
    Setwait(Wait::Frgetname);
}

void Tallimormod::Txtname_Change(const std::string& text) {
    if (Isshown(Panel::Frgetname)) top_.nameText = Firstcharacters(text, kNamelength);
}

void Tallimormod::Cmdokname_Click() {
    if (!Isshown(Panel::Frgetname)) return;
    Hide(Panel::Frgetname);
    Setwait(Wait::None);
    Updatewinners(top_.nameText.empty() ? "xxx" : top_.nameText);
}

void Tallimormod::Updatewinners(const std::string& name) {
    top_.fromMenu = false;
    if (!Readrecords(Afterbox::Finishgame)) return;
    top_.view.newplace =
        Placeentry(winners_, g_.Settings, name, clock_.Timespent, clock_.Recordtime, g_.Attempts);
    const WinnersResult written = Writewinners(recordsFolder_, g_.Settings.Colours, winners_);
    if (!written.Usable()) {
        Messagebox(Message::Recordsfile, written.message, Afterbox::Showwinners);
        return;
    }
    Showwinners();
}

void Tallimormod::Showwinners() {
    const std::string gap = "     ";
    top_.view.head = "No. of Colours: " + std::to_string(g_.Settings.Colours) + gap + lists_.Cbstart.Text() +
                     gap + "Length: " + lists_.Cblength.Text() + gap + lists_.Cbhint.Text() + gap +
                     lists_.Cborder.Text() + gap + lists_.Cbrepeat.Text();
    // A file that cannot be read shows an empty list, after its problem.
    if (!recordsFolder_.empty()) Readrecords(Afterbox::None);
    const Winnerstexts texts = Showwinnerstexts(winners_, g_.Settings);
    top_.view.names = texts.names;
    top_.view.times = texts.times;
    top_.view.attempts = texts.attempts;
    top_.view.data = texts.data;
    Show(Panel::Picwinners);
    if (box_) return;
    if (!designer_) {
        Setwait(Wait::Picwinners);
        return;
    }
    Show(Panel::Fredit);
    top_.view.place = {{"1", "2", "3", "4", "5"}, 0};
    Cbedit_Click("1");
}

void Tallimormod::Cmdcontinue_Click() {
    if (!Isshown(Panel::Picwinners)) return;
    Hide(Panel::Picwinners);
    Hide(Panel::Fredit);
    top_.view.newplace = -1;
    Show(Panel::Picfore);
    Setwait(Wait::None);
    // Whether the list came from the menu is remembered: the trial counter of
    // the last game played would send the player to the idle screen instead.
    if (!top_.fromMenu) {
        Finishgame();
    } else {
        Show(Panel::Frmenu);
        Setwait(Wait::Frmenu);
    }
}

void Tallimormod::Cmdtop_Click() {
    if (!Isshown(Panel::Frmenu) || lists_.Cbwho.Text() != "You guess") return;
    Setwait(Wait::None);
    lists_.Updatesetting(g_.Settings);
    Hide(Panel::Frmenu);
    Hide(Panel::Picfore);
    top_.fromMenu = true;
    top_.view.newplace = -1;
    Showwinners();
}

void Tallimormod::Cbedit_Click(const std::string& text) {
    if (!Isshown(Panel::Fredit)) return;
    const int p = std::atoi(text.c_str()) - 1;
    if (p < 0 || p > 4) return;
    top_.view.place.shown = p;
    if (!recordsFolder_.empty()) Readwinners(recordsFolder_, g_.Settings.Colours, winners_);
    const auto setting = static_cast<size_t>(Statisticsindex(g_.Settings));
    const size_t place = static_cast<size_t>(Placeindex(g_.Settings, p));
    char average[32];
    std::snprintf(average, sizeof average, "%.7g", static_cast<double>(winners_.Average[setting]));
    top_.view.population = std::to_string(winners_.Population[setting]);
    top_.view.average = average;
    top_.view.player = winners_.Topname[place];
    top_.view.duration = std::to_string(winners_.Toptime[place]);
    top_.view.attempt = std::to_string(winners_.Topattempts[place]);
}

void Tallimormod::Txtedit_Change(Editfield field, const std::string& text) {
    if (!Isshown(Panel::Fredit)) return;
    switch (field) {
        case Editfield::Player:
            top_.view.player = Firstcharacters(text, kNamelength);
            break;
        case Editfield::Duration:
            top_.view.duration = text;
            break;
        case Editfield::Attempt:
            top_.view.attempt = text;
            break;
        case Editfield::Population:
            top_.view.population = text;
            break;
        case Editfield::Average:
            top_.view.average = text;
            break;
    }
}

void Tallimormod::Cmdgo_Click() {
    if (!Isshown(Panel::Fredit) || box_) return;
    double population = 0, average = 0, duration = 0, attempt = 0;
    // Only what a game could produce is written, so the file stays readable.
    const bool numbers = Number(top_.view.population, population) && Number(top_.view.average, average) &&
                         Number(top_.view.duration, duration) && Number(top_.view.attempt, attempt);
    // Rounded as doubles: a huge number has no long to round to.
    const double n = std::round(population), time = std::round(duration), tries = std::round(attempt);
    if (!numbers || n < 0 || n > 32767 || average < 0 || average > kEmptyTopattempts ||
        (n > 0 && average < 1) || time < 0 || time > kEmptyToptime || tries < 1 ||
        tries > kEmptyTopattempts) {
        Messagebox(
            Message::Notnumber,
            "Please enter a population of 0 or more, an average of 1 to 27 (0 without population), a time "
            "of 0 to 3600 seconds and 1 to 27 attempts. Nothing has been saved.",
            Afterbox::Clearwait);
        return;
    }
    const auto setting = static_cast<size_t>(Statisticsindex(g_.Settings));
    const size_t place = static_cast<size_t>(Placeindex(g_.Settings, top_.view.place.shown));
    winners_.Population[setting] = static_cast<int16_t>(n);
    winners_.Average[setting] = static_cast<float>(average);
    winners_.Topname[place] = top_.view.player;
    winners_.Toptime[place] = static_cast<int16_t>(time);
    winners_.Topattempts[place] = static_cast<int16_t>(tries);
    top_.view.newplace = -1;  // the editor may have moved or overwritten it
    if (!recordsFolder_.empty()) {
        const WinnersResult written = Writewinners(recordsFolder_, g_.Settings.Colours, winners_);
        if (!written.Usable()) {
            Messagebox(Message::Recordsfile, written.message, Afterbox::Clearwait);
            return;
        }
    }
    Showwinners();
}

}  // namespace tallimor
