// The computer's statistics runs, which only designer mode offers: the
// Initialize Statistics run plays ten games of every setting that starts at
// trial 1 without hint errors, the simulation one game against every code of
// the menu's setting.  Both play as the demo does, one game after another on
// the delay timer, and end as it does, by a click on the record.  Also the
// statistics window, which lists the statistics of every setting.

#include <memory>

#include "game/tallimormod.h"
#include "records/statistics_list.h"

namespace tallimor {

void Tallimormod::Cmdinitstat_Click() {
    if (!designer_ || !Isshown(Panel::Frmenu) || box_) return;
    // Every file takes the run's wins, so one that cannot be used stops it before it starts.
    if (!Runrecordsusable(5, 10)) return;
    Beginrun(Runkind::Initstat);
    g_.Settings = Firststatsetting();
    stats_.gamecount = 1;
    Startrungame();
}

void Tallimormod::Initstat() {
    if (!Nextstatgame(g_.Settings, stats_.gamecount)) {
        // The last setting is done.  The run stays in the demo's wait until
        // it is ended as a demo is; the menu's setting is current again.
        lists_.Updatesetting(g_.Settings);
        return;
    }
    Startrungame();
}

void Tallimormod::Cmdsimulate_Click() {
    if (!designer_ || !Isshown(Panel::Frmenu) || box_) return;
    GameSettings s = g_.Settings;
    lists_.Updatesetting(s);
    s.Who = Guesser::Watch;
    // A win without hint errors is counted in the file, and a middle start reads it.
    if ((!s.Errorsallowed() || s.Middlestart()) && !Runrecordsusable(s.Colours, s.Colours)) return;
    Beginrun(Runkind::Simulate);
    g_.Settings = s;
    stats_.firstcode = Firstcode(s);
    stats_.lastcode = Lastcode(s);
    stats_.simcode = stats_.firstcode;
    stats_.sim = {};
    Startrungame();
}

void Tallimormod::Simulate() {
    Countsimgame();
    if (stats_.simcode != stats_.lastcode && Nextcode(g_.Settings, stats_.simcode)) {
        Startrungame();
        return;
    }
    // Every code has been played: the run ends as a demo does, with its summary.
    Cmdcancel_Click();
}

void Tallimormod::Countsimgame() {
    // A game lost at its last trial has no attempts and is not counted.
    if (g_.Attempts > 0) stats_.sim.Add(g_.Attempts, g_.Currenttrial);
}

bool Tallimormod::Runrecordsusable(int firstcolours, int lastcolours) {
    if (recordsFolder_.empty()) return true;  // a run without records files
    for (int colours = firstcolours; colours <= lastcolours; ++colours) {
        const WinnersResult read = Readwinners(recordsFolder_, colours, winners_);
        if (!read.Usable()) {
            Messagebox(Message::Recordsfile, read.message);
            return false;
        }
    }
    return true;
}

void Tallimormod::Startrungame() {
    Hide(Panel::Frmenu);
    screen_.board.rows.clear();
    demo_.view.speedShown = true;
    marking_.computerMarks = true;
    // The simulation plays the code it has come to instead of drawing one.
    const std::string drawn = Preset.answer;
    if (runmode_ == Runkind::Simulate) Preset.answer = stats_.simcode;
    Initialize();  // the files were checked when the run began
    Preset.answer = drawn;
    Startgame();
    Getguess();
}

bool Tallimormod::Nextrungame() {
    if (!demoOn_ || g_.Gamestatus != GameStatus::Nextdemo ||
        (runmode_ != Runkind::Initstat && runmode_ != Runkind::Simulate))
        return false;
    Nextdemo();  // the demo's panel and the record are cleared as between two demo games
    g_.Gamestatus = GameStatus::None;
    if (runmode_ == Runkind::Initstat)
        Initstat();
    else
        Simulate();
    return true;
}

void Tallimormod::Endrun() {
    stats_.gamecount = 0;
    if (runmode_ == Runkind::Initstat) runmode_ = Runkind::None;
    if (runmode_ != Runkind::Simulate) return;
    // A game won just before the run was ended has not been counted yet.
    if (g_.Gamestatus == GameStatus::Nextdemo) Countsimgame();
    g_.Gamestatus = GameStatus::None;
    if (stats_.sim.Simcount == 0) {
        runmode_ = Runkind::None;
        return;
    }
    Starttimer(Timerid::Tmrbuffer);
}

void Tallimormod::Showsummary() {
    stats_.systembox = Systemboxview{++stats_.systemboxes, "Statistics", stats_.sim.Text()};
    runmode_ = Runkind::None;
}

void Tallimormod::Systembox_Ok() { stats_.systembox.reset(); }

// ------------------------------------------------------ the statistics window

void Tallimormod::Cmdstat_Click() {
    if (!designer_ || !Isshown(Panel::Frmenu) || box_) return;
    Setwait(Wait::None);
    auto lines = std::make_shared<std::vector<std::string>>();
    lines->reserve(kStatisticslines);
    const Statisticslabels labels{lists_.Cborder.items, lists_.Cbstart.items, lists_.Cbhint.items};
    std::string problem;
    for (int colours = 5; colours <= 10; ++colours) {
        // A file that cannot be read is listed as holding no statistics, after its problem.
        if (recordsFolder_.empty()) {
            winners_.Fresh();
        } else {
            const WinnersResult read = Readwinners(recordsFolder_, colours, winners_);
            if (!read.Usable() && problem.empty()) problem = read.message;
        }
        Showcolours(*lines, winners_, labels, colours);
    }
    stats_.statlines = std::move(lines);
    stats_.windowOpen = true;
    if (!problem.empty()) Messagebox(Message::Recordsfile, problem);
}

void Tallimormod::Cmdback_Click() {
    if (!stats_.windowOpen || box_) return;
    Setwait(Wait::Frmenu, kBackfromstatistics);
    stats_.windowOpen = false;
    stats_.statlines.reset();
    Show(Panel::Frmenu);
}

void Tallimormod::Describestatistics(Mainview& v) const {
    v.statistics = stats_.windowOpen;
    v.statlines = stats_.statlines;
    v.systembox = stats_.systembox;
}

}  // namespace tallimor
