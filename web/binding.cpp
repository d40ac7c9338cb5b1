// The page's binding to the game module: a C interface of three calls.  The
// page forwards an event by the handler's name with its arguments, and gets
// back the module's description of the screen as one JSON text, which it
// renders as the desktop window renders the same description.  Every name of
// the module that the page uses is in this one file.

#include <emscripten/emscripten.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "game/tallimormod.h"
#include "game/toolbar.h"
#include "game/virtual_host.h"
#include "game/window_captions.h"
#include "records/winners_file.h"
#include "rules/game_record.h"
#include "rules/game_settings.h"

namespace tallimor {
namespace {

// ------------------------------------------------------------------ JSON

class Json {
   public:
    Json& Open(char c) {
        Comma();
        out_ += c;
        first_ = true;
        return *this;
    }
    Json& Close(char c) {
        out_ += c;
        first_ = false;
        return *this;
    }
    Json& Key(std::string_view k) {
        Comma();
        Quote(k);
        out_ += ':';
        first_ = true;
        return *this;
    }
    Json& Str(std::string_view s) {
        Comma();
        Quote(s);
        return *this;
    }
    Json& Num(double n) {
        Comma();
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.10g", n);
        out_ += buf;
        return *this;
    }
    Json& Bool(bool b) {
        Comma();
        out_ += b ? "true" : "false";
        return *this;
    }
    Json& Null() {
        Comma();
        out_ += "null";
        return *this;
    }
    template <class T>
    Json& Field(std::string_view k, const T& v) {
        Key(k);
        Put(v);
        return *this;
    }
    void Put(const std::string& s) { Str(s); }
    void Put(std::string_view s) { Str(s); }
    void Put(const char* s) { Str(s); }
    void Put(bool b) { Bool(b); }
    void Put(int n) { Num(n); }
    void Put(int16_t n) { Num(n); }
    void Put(unsigned n) { Num(n); }
    void Put(char c) { Str(c ? std::string(1, c) : std::string()); }
    template <class T, size_t N>
    void Put(const std::array<T, N>& a) {
        Open('[');
        for (const T& x : a) Put(x);
        Close(']');
    }
    template <class T>
    void Put(const std::vector<T>& a) {
        Open('[');
        for (const T& x : a) Put(x);
        Close(']');
    }
    void Put(const Listview& l) { Open('{').Field("items", l.items).Field("shown", l.shown).Close('}'); }
    std::string out_;

   private:
    void Comma() {
        if (!first_) out_ += ',';
        first_ = false;
    }
    void Quote(std::string_view s) {
        out_ += '"';
        for (unsigned char c : s) {
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += static_cast<char>(c);
            } else if (c == '\n') {
                out_ += "\\n";
            } else if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out_ += buf;
            } else {
                out_ += static_cast<char>(c);
            }
        }
        out_ += '"';
    }
    bool first_ = true;
};

constexpr const char* kPanelnames[kPanels] = {
    "Picfore",   "Picupper",    "Picrecord", "Frmenu",     "Frsetting",    "Lbltime",   "Franswer",
    "Frcolour",  "Frgetstring", "Frinput",   "Frerror",    "Frshowresult", "Frtrialno", "Frmark",
    "Fraskcode", "Frgetresult", "Frgetname", "Picwinners", "Fredit"};

constexpr const char* kControlnames[] = {
    "",          "Cmdstart", "Cmdsubcol",    "Cmdsubnum",  "Cmdshowresult", "Txtinput", "Cmdoktrial",
    "Cmdokmark", "Cmdready", "Cmdgetresult", "Txtcorrect", "Cmdokname",     "Txtname",  "Cmdcontinue"};

// Whether a menu or item of that name is offered, as the desktop window
// copies the module's menu state onto its items.  The music item never is:
// the program has no music.
bool Menuoffered(const Menustate& m, std::string_view name) {
    const std::pair<std::string_view, bool> offered[] = {
        {"Mnugame", m.Mnugame},     {"Mnumedia", m.Mnumedia},   {"Mnuoption", m.Mnuoption},
        {"Mnuhelp", m.Mnuhelp},     {"Mnuset", m.Mnuset},       {"Mnunew", m.Mnunew},
        {"Mnuload", m.Mnuload},     {"Mnusaving", m.Mnusaving}, {"Mnusave", m.Mnusaving},
        {"Mnusaveas", m.Mnusaving}, {"Mnuend", m.Mnuend},       {"Mnudemo", m.Mnudemo},
        {"Mnuquit", m.Mnuquit},     {"Mnumusic", false}};
    for (const auto& [n, on] : offered)
        if (n == name) return on;
    return true;
}

const char* Controlname(Control c) { return kControlnames[static_cast<int>(c)]; }

std::string Describe(const Tallimormod& mod) {
    const Mainview v = mod.Describe();
    Json j;
    j.Open('{');
    j.Field("title", v.title).Field("status", v.status).Field("thinking", v.thinking);
    j.Key("shown").Open('{');
    for (int i = 0; i < kPanels; ++i) j.Field(kPanelnames[i], v.shown[static_cast<size_t>(i)]);
    j.Close('}');
    // Every menu and item: offered or not, and the check marks.
    j.Key("menu").Open('{');
    for (const Menuitem& item : kMenuitems)
        if (item.name != "-") j.Field(item.name, Menuoffered(v.menus, item.name));
    j.Close('}');
    j.Key("checked").Open('{');
    j.Field("Mnumouse", !v.keyboard).Field("Mnukey", v.keyboard);
    j.Field("Mnucolour", v.display == Displaymode::Colour)
        .Field("Mnunumber", v.display == Displaymode::Number);
    j.Close('}');
    j.Field("toolbar", v.toolbar).Field("toolbarPressed", v.toolbarPressed);
    j.Key("tooltips").Open('[');
    for (int i = 0; i <= kToolbuttons; ++i) j.Str(Tooltip(i, v.animation.on));
    j.Close(']');
    j.Field("keyboard", v.keyboard).Field("numbers", v.display == Displaymode::Number);
    j.Field("lists", v.lists).Field("startEnabled", v.startEnabled);
    j.Field("setcontent", v.setcontent).Field("timelabel", v.timelabel);
    j.Field("answercaption", v.answercaption).Field("answer", v.answer);
    j.Field("colours", v.colours).Field("colourBorder", v.colourBorder).Field("colourTip", v.colourTip);
    j.Field("rowlength", v.rowlength).Field("blanks", v.blanks).Field("row", v.row);
    j.Field("getstringPrompt", v.getstringPrompt).Field("inputPrompt", v.inputPrompt);
    j.Field("inputText", v.inputText).Field("subcolEnabled", v.subcolEnabled);
    j.Field("subnumEnabled", v.subnumEnabled)
        .Field("errorEnabled", v.errorEnabled)
        .Field("refusal", v.refusal);
    j.Field("trials", v.trials).Field("correct", v.correct).Field("wrong", v.wrong);
    j.Field("blacks", v.blacks).Field("whites", v.whites).Field("fixedOrder", v.fixedOrder);
    j.Field("trialno", v.trialno).Field("markYes", v.markYes);
    const Resultentryview& e = v.entry;
    j.Key("entry").Open('{');
    j.Field("trials", e.trials).Field("myguess", e.myguess).Field("guess", e.guess);
    j.Field("correctLabel", e.correctLabel)
        .Field("wrongLabel", e.wrongLabel)
        .Field("wrongShown", e.wrongShown);
    j.Field("correct", e.correct).Field("wrong", e.wrong).Field("correctText", e.correctText);
    j.Field("wrongText", e.wrongText).Field("okEnabled", e.okEnabled).Field("winShown", e.winShown);
    j.Close('}');
    j.Field("topEnabled", v.topEnabled).Field("nametext", v.nametext);
    const Winnersview& w = v.winners;
    j.Key("winners").Open('{');
    j.Field("head", w.head).Field("names", w.names).Field("times", w.times).Field("attempts", w.attempts);
    j.Field("data", w.data).Field("place", w.place).Field("player", w.player).Field("duration", w.duration);
    j.Field("attempt", w.attempt).Field("population", w.population).Field("average", w.average);
    j.Field("newplace", w.newplace);
    j.Close('}');
    j.Key("board").Open('{');
    j.Field("codelength", v.board.codelength).Field("fixedOrder", v.board.fixedOrder);
    j.Field("heading", v.board.heading).Field("trials", kLastTrial);
    j.Key("corrected").Open('[');
    for (int trial : v.board.corrected) j.Num(trial);
    j.Close(']');
    j.Key("rows").Open('[');
    for (const auto& [trial, r] : v.board.rows) {
        j.Open('{').Field("trial", trial).Field("guess", r.Trialguess).Field("black", r.Trialblack);
        j.Field("white", r.Trialwhite).Close('}');
    }
    j.Close(']').Close('}');
    j.Field("defaultControl", Controlname(v.defaultControl)).Field("focus", Controlname(v.focus));
    j.Key("box");
    if (v.box) {
        const Boxview& b = *v.box;
        j.Open('{').Field("serial", b.serial).Field("title", b.title).Field("text", b.text);
        j.Field("icon", b.icon).Field("iconfile", Iconfile(b.icon)).Field("buttons", b.buttons);
        j.Field("captions", b.captions).Field("defaultButton", static_cast<int>(b.defaultButton));
        j.Field("saveOffered", b.saveOffered).Close('}');
    } else {
        j.Null();
    }
    j.Key("files");
    if (v.files) {
        const Fileview& f = *v.files;
        j.Open('{').Field("caption", f.caption).Field("opening", f.opening).Field("places", f.places);
        j.Field("chain", f.chain).Field("folders", f.folders).Field("files", f.files);
        j.Field("highlighted", f.highlighted).Field("name", f.name).Field("serial", f.serial).Close('}');
    } else {
        j.Null();
    }
    j.Field("quit", v.quit).Field("instructions", v.instructions).Field("about", v.about);
    j.Field("designerButtons", v.designerButtons);
    j.Key("demo").Open('{');
    j.Field("shown", v.demo.shown).Field("icon", v.demo.icon).Field("iconfile", Iconfile(v.demo.icon));
    j.Field("text", v.demo.text).Field("speedShown", v.demo.speedShown).Field("speed", v.demo.speed);
    j.Field("speedMax", v.demo.speedMax).Close('}');
    j.Key("animation").Open('{');
    j.Field("on", v.animation.on).Field("fly", v.animation.fly).Field("trial", v.animation.trial);
    j.Field("placed", v.animation.placed).Field("winlaps", v.animation.winlaps).Close('}');
    j.Field("gamemenuPopups", v.gamemenuPopups).Field("statistics", v.statistics);
    j.Key("statlines");
    if (v.statlines)
        j.Put(*v.statlines);
    else
        j.Null();
    j.Key("systembox");
    if (v.systembox)
        j.Open('{')
            .Field("serial", v.systembox->serial)
            .Field("title", v.systembox->title)
            .Field("text", v.systembox->text)
            .Close('}');
    else
        j.Null();
    j.Key("timers").Open('[');
    for (const Logicaltimer& t : mod.Timers())
        j.Open('{')
            .Field("enabled", t.enabled)
            .Field("interval", t.interval)
            .Field("generation", t.generation)
            .Close('}');
    j.Close(']');
    j.Close('}');
    return std::move(j.out_);
}

// The fixed captions of the windows, the same the desktop window shows.
std::string Captions() {
    Json j;
    j.Open('{');
    j.Key("menus").Open('[');
    for (const Menuitem& m : kMenuitems)
        j.Open('{')
            .Field("name", m.name)
            .Field("parent", m.parent)
            .Field("caption", m.caption)
            .Field("fkey", m.fkey)
            .Field("check", m.checkable)
            .Close('}');
    j.Close(']');
    j.Key("captions").Open('{');
    for (const Windowcaption& c : kWindowcaptions) j.Field(c.control, c.text);
    j.Close('}');
    j.Field("settitle", Settitletext()).Field("secondinstance", kSecondinstancetext);
    j.Field("version", TALLIMOR_VERSION);
    j.Field("password", kDesignerpassword).Field("instructionstitle", kInstructionstitle);
    j.Key("instructions").Open('[');
    for (const Instructionline& l : kInstructions)
        j.Open('{').Field("kind", static_cast<int>(l.kind)).Field("text", l.text).Close('}');
    j.Close(']');
    j.Key("seeds").Open('[');
    for (int colours = 5; colours <= 10; ++colours) j.Str(Winnerspath("", colours).generic_string());
    j.Close(']');
    j.Close('}');
    return std::move(j.out_);
}

// ------------------------------------------------------------- handlers

struct Args {
    int a, b, c;
    std::string text;
};
using Handler = std::function<void(Tallimormod&, const Args&)>;

template <void (Tallimormod::*F)()>
Handler Plain() {
    return [](Tallimormod& m, const Args&) { (m.*F)(); };
}

const std::map<std::string, Handler, std::less<>>& Handlers() {
    static const std::map<std::string, Handler, std::less<>> table = {
        {"Mnuset_Click", Plain<&Tallimormod::Mnuset_Click>()},
        {"Mnunew_Click", Plain<&Tallimormod::Mnunew_Click>()},
        {"Mnuend_Click", Plain<&Tallimormod::Mnuend_Click>()},
        {"Mnuquit_Click", Plain<&Tallimormod::Mnuquit_Click>()},
        {"Mnumouse_Click", Plain<&Tallimormod::Mnumouse_Click>()},
        {"Mnukey_Click", Plain<&Tallimormod::Mnukey_Click>()},
        {"Mnumusic_Click", Plain<&Tallimormod::Mnumusic_Click>()},
        {"Mnucolour_Click", Plain<&Tallimormod::Mnucolour_Click>()},
        {"Mnunumber_Click", Plain<&Tallimormod::Mnunumber_Click>()},
        {"Mnuload_Click", Plain<&Tallimormod::Mnuload_Click>()},
        {"Mnusave_Click", Plain<&Tallimormod::Mnusave_Click>()},
        {"Mnusaveas_Click", Plain<&Tallimormod::Mnusaveas_Click>()},
        {"Mnudemo_Click", Plain<&Tallimormod::Mnudemo_Click>()},
        {"Mnuani_Click", Plain<&Tallimormod::Mnuani_Click>()},
        {"Mnuinstr_Click", Plain<&Tallimormod::Mnuinstr_Click>()},
        {"Mnuabout_Click", Plain<&Tallimormod::Mnuabout_Click>()},
        {"Cmdokinstr_Click", Plain<&Tallimormod::Cmdokinstr_Click>()},
        {"Cmdokabout_Click", Plain<&Tallimormod::Cmdokabout_Click>()},
        {"Tlbgame_Click", [](Tallimormod& m, const Args& x) { m.Tlbgame_Click(x.a); }},
        {"Cblist_Click",
         [](Tallimormod& m, const Args& x) { m.Cblist_Click(static_cast<SettingList>(x.a), x.text); }},
        {"Cmdstart_Click", Plain<&Tallimormod::Cmdstart_Click>()},
        {"Cmdcancel_Click", Plain<&Tallimormod::Cmdcancel_Click>()},
        {"Lblcolour_MouseDown", [](Tallimormod& m, const Args& x) { m.Lblcolour_MouseDown(x.a); }},
        {"Lblcolour_DblClick", [](Tallimormod& m, const Args& x) { m.Lblcolour_DblClick(x.a); }},
        {"Lblstring_DblClick", [](Tallimormod& m, const Args& x) { m.Lblstring_DblClick(x.a); }},
        // a: the source's kind (0 a colour, 1 a position), b: its index, c: the position dropped on.
        {"Lblstring_DragDrop",
         [](Tallimormod& m, const Args& x) {
             m.Lblstring_DragDrop({x.a ? DragSource::Position : DragSource::Colour, x.b}, x.c);
         }},
        {"Frcolour_DragDrop",
         [](Tallimormod& m, const Args& x) {
             m.Frcolour_DragDrop({x.a ? DragSource::Position : DragSource::Colour, x.b});
         }},
        {"Cmdsubcol_Click", Plain<&Tallimormod::Cmdsubcol_Click>()},
        {"Txtinput_Change", [](Tallimormod& m, const Args& x) { m.Txtinput_Change(x.text); }},
        {"Cmdsubnum_Click", Plain<&Tallimormod::Cmdsubnum_Click>()},
        {"Cmdshowresult_Click", Plain<&Tallimormod::Cmdshowresult_Click>()},
        {"Cbtrialno_Click", [](Tallimormod& m, const Args& x) { m.Cbtrialno_Click(x.text); }},
        {"Cmdoktrial_Click", Plain<&Tallimormod::Cmdoktrial_Click>()},
        {"Optyesmark_Click", Plain<&Tallimormod::Optyesmark_Click>()},
        {"Optnomark_Click", Plain<&Tallimormod::Optnomark_Click>()},
        {"Cmdokmark_Click", Plain<&Tallimormod::Cmdokmark_Click>()},
        {"Cmdready_Click", Plain<&Tallimormod::Cmdready_Click>()},
        {"Cbcorrect_Click", [](Tallimormod& m, const Args& x) { m.Cbcorrect_Click(x.text); }},
        {"Cbwrong_Click", [](Tallimormod& m, const Args& x) { m.Cbwrong_Click(x.text); }},
        {"Txtcorrect_KeyPress",
         [](Tallimormod& m, const Args& x) { m.Txtcorrect_KeyPress(static_cast<char>(x.a)); }},
        {"Txtwrong_KeyPress",
         [](Tallimormod& m, const Args& x) { m.Txtwrong_KeyPress(static_cast<char>(x.a)); }},
        {"Cmdgetresult_Click", Plain<&Tallimormod::Cmdgetresult_Click>()},
        {"Cmdwin_Click", Plain<&Tallimormod::Cmdwin_Click>()},
        {"Cmderror_Click", Plain<&Tallimormod::Cmderror_Click>()},
        {"Txtname_Change", [](Tallimormod& m, const Args& x) { m.Txtname_Change(x.text); }},
        {"Cmdokname_Click", Plain<&Tallimormod::Cmdokname_Click>()},
        {"Cmdcontinue_Click", Plain<&Tallimormod::Cmdcontinue_Click>()},
        {"Cmdtop_Click", Plain<&Tallimormod::Cmdtop_Click>()},
        {"Cbedit_Click", [](Tallimormod& m, const Args& x) { m.Cbedit_Click(x.text); }},
        {"Txtedit_Change",
         [](Tallimormod& m, const Args& x) { m.Txtedit_Change(static_cast<Editfield>(x.a), x.text); }},
        {"Cmdgo_Click", Plain<&Tallimormod::Cmdgo_Click>()},
        {"Form_Activate", [](Tallimormod& m, const Args& x) { m.Form_Activate(x.a != 0); }},
        {"Cmdsimulate_Click", Plain<&Tallimormod::Cmdsimulate_Click>()},
        {"Cmdinitstat_Click", Plain<&Tallimormod::Cmdinitstat_Click>()},
        {"Cmdstat_Click", Plain<&Tallimormod::Cmdstat_Click>()},
        {"Drvfiles_Change", [](Tallimormod& m, const Args& x) { m.Drvfiles_Change(x.a); }},
        {"Dirfiles_Change", [](Tallimormod& m, const Args& x) { m.Dirfiles_Change(x.text); }},
        {"Filfiles_Click", [](Tallimormod& m, const Args& x) { m.Filfiles_Click(x.a); }},
        {"Filfiles_DblClick", [](Tallimormod& m, const Args& x) { m.Filfiles_DblClick(x.a); }},
        {"Txtfiles_Change", [](Tallimormod& m, const Args& x) { m.Txtfiles_Change(x.text); }},
        {"Cmdopen_Click", Plain<&Tallimormod::Cmdopen_Click>()},
        {"Cmdsave_Click", Plain<&Tallimormod::Cmdsave_Click>()},
        {"Fmfiles_Cmdcancel_Click", Plain<&Tallimormod::Fmfiles_Cmdcancel_Click>()},
        {"Fmfiles_Delete_KeyUp", Plain<&Tallimormod::Fmfiles_Delete_KeyUp>()},
        {"Loadgame", [](Tallimormod& m, const Args& x) { m.Loadgame(x.text); }},
        {"Enter_Keypress", Plain<&Tallimormod::Enter_Keypress>()},
        {"Messagebutton_Click",
         [](Tallimormod& m, const Args& x) { m.Messagebutton_Click(static_cast<Msgbutton>(x.a)); }},
        {"Fire", [](Tallimormod& m, const Args& x) { m.Fire(static_cast<Timerid>(x.a)); }},
        {"Cmdback_Click", Plain<&Tallimormod::Cmdback_Click>()},
        {"Systembox_Ok", Plain<&Tallimormod::Systembox_Ok>()},
        {"Hsbspeed_Change", [](Tallimormod& m, const Args& x) { m.Hsbspeed_Change(x.a); }},
        {"Picrecord_MouseDown", [](Tallimormod& m, const Args& x) { m.Picrecord_MouseDown(x.a); }},
        {"Picfore_MouseDown", [](Tallimormod& m, const Args& x) { m.Picfore_MouseDown(x.a); }},
        {"Escape_Keypress", [](Tallimormod& m, const Args&) { m.Escape_Keypress(); }},
    };
    return table;
}

std::unique_ptr<Tallimormod> module;
std::string last;  // the text handed to the page, alive until the next call

}  // namespace
}  // namespace tallimor

using namespace tallimor;

extern "C" {

// Makes the module over the records folder (ending in "/"); the game clock
// and the time-outs read the page's monotonic clock.  A seed of 0 or more
// fixes the draws, so the games of a run replay; below 0 they come from the clock.
EMSCRIPTEN_KEEPALIVE const char* Tallimor_start(const char* folder, double seed) {
    {
        // The browser compiles the engine's code as it first runs: one game
        // watched on a scratch module, with no records, before any player waits.
        Virtualhost warmup("/warmup/");
        GameSettings settings;
        SettingLists().Updatesetting(settings);
        Playwatched(warmup, settings);
    }
    module = std::make_unique<Tallimormod>(folder, [] { return emscripten_get_now() / 1000.0; });
    if (seed >= 0) module->Chance().Seed(static_cast<uint64_t>(seed));
    last = Describe(*module);
    return last.c_str();
}

// Forwards one event to the handler of that name and returns the description
// after it; an unknown name changes nothing.
EMSCRIPTEN_KEEPALIVE const char* Tallimor_event(const char* handler, int a, int b, int c, const char* text) {
    const auto& table = Handlers();
    if (auto it = table.find(handler); it != table.end()) it->second(*module, {a, b, c, text ? text : ""});
    last = Describe(*module);
    return last.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* Tallimor_captions() {
    last = Captions();
    return last.c_str();
}
}
