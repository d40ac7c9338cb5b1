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
    board_.rows.clear();
    Hide(Panel::Franswer);
    menus_.Mnuend = false;
    Show(Panel::Frgetname);
    nameText_.clear();
    Setwait(Wait::Frgetname);
}

void Tallimormod::Txtname_Change(const std::string& text) {
    if (Isshown(Panel::Frgetname)) nameText_ = Firstcharacters(text, kNamelength);
}

void Tallimormod::Cmdokname_Click() {
    if (!Isshown(Panel::Frgetname)) return;
    Hide(Panel::Frgetname);
    Setwait(Wait::None);
    Updatewinners(nameText_.empty() ? "xxx" : nameText_);
}

void Tallimormod::Updatewinners(const std::string& name) {
    winnersFromMenu_ = false;
    if (!Readrecords(Afterbox::Finishgame)) return;
    winnersView_.newplace =
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
    winnersView_.head = "No. of Colours: " + std::to_string(g_.Settings.Colours) + gap +
                        lists_.Cbstart.Text() + gap + "Length: " + lists_.Cblength.Text() + gap +
                        lists_.Cbhint.Text() + gap + lists_.Cborder.Text() + gap + lists_.Cbrepeat.Text();
    // A file that cannot be read shows an empty list, after its problem.
    if (!recordsFolder_.empty()) Readrecords(Afterbox::None);
    const Winnerstexts texts = Showwinnerstexts(winners_, g_.Settings);
    winnersView_.names = texts.names;
    winnersView_.times = texts.times;
    winnersView_.attempts = texts.attempts;
    winnersView_.data = texts.data;
    Show(Panel::Picwinners);
    if (box_) return;
    if (!designer_) {
        Setwait(Wait::Picwinners);
        return;
    }
    Show(Panel::Fredit);
    winnersView_.place = {{"1", "2", "3", "4", "5"}, 0};
    Cbedit_Click("1");
}

void Tallimormod::Cmdcontinue_Click() {
    if (!Isshown(Panel::Picwinners)) return;
    Hide(Panel::Picwinners);
    Hide(Panel::Fredit);
    winnersView_.newplace = -1;
    Show(Panel::Picfore);
    Setwait(Wait::None);
    // Whether the list came from the menu is remembered: the trial counter of
    // the last game played would send the player to the idle screen instead.
    if (!winnersFromMenu_) {
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
    winnersFromMenu_ = true;
    winnersView_.newplace = -1;
    Showwinners();
}

void Tallimormod::Cbedit_Click(const std::string& text) {
    if (!Isshown(Panel::Fredit)) return;
    const int p = std::atoi(text.c_str()) - 1;
    if (p < 0 || p > 4) return;
    winnersView_.place.shown = p;
    if (!recordsFolder_.empty()) Readwinners(recordsFolder_, g_.Settings.Colours, winners_);
    const auto setting = static_cast<size_t>(Statisticsindex(g_.Settings));
    const size_t place = static_cast<size_t>(Placeindex(g_.Settings, p));
    char average[32];
    std::snprintf(average, sizeof average, "%.7g", static_cast<double>(winners_.Average[setting]));
    winnersView_.population = std::to_string(winners_.Population[setting]);
    winnersView_.average = average;
    winnersView_.player = winners_.Topname[place];
    winnersView_.duration = std::to_string(winners_.Toptime[place]);
    winnersView_.attempt = std::to_string(winners_.Topattempts[place]);
}

void Tallimormod::Txtedit_Change(Editfield field, const std::string& text) {
    if (!Isshown(Panel::Fredit)) return;
    switch (field) {
        case Editfield::Player:
            winnersView_.player = Firstcharacters(text, kNamelength);
            break;
        case Editfield::Duration:
            winnersView_.duration = text;
            break;
        case Editfield::Attempt:
            winnersView_.attempt = text;
            break;
        case Editfield::Population:
            winnersView_.population = text;
            break;
        case Editfield::Average:
            winnersView_.average = text;
            break;
    }
}

void Tallimormod::Cmdgo_Click() {
    if (!Isshown(Panel::Fredit) || box_) return;
    double population = 0, average = 0, duration = 0, attempt = 0;
    // Only what a game could produce is written, so the file stays readable.
    const bool numbers = Number(winnersView_.population, population) &&
                         Number(winnersView_.average, average) && Number(winnersView_.duration, duration) &&
                         Number(winnersView_.attempt, attempt);
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
    const size_t place = static_cast<size_t>(Placeindex(g_.Settings, winnersView_.place.shown));
    winners_.Population[setting] = static_cast<int16_t>(n);
    winners_.Average[setting] = static_cast<float>(average);
    winners_.Topname[place] = winnersView_.player;
    winners_.Toptime[place] = static_cast<int16_t>(time);
    winners_.Topattempts[place] = static_cast<int16_t>(tries);
    winnersView_.newplace = -1;  // the editor may have moved or overwritten it
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
