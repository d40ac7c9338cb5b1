// Every game the program saves is one its reader accepts: random games of
// every role play on the virtual clock, with random guesses, true and false
// hints, Error claims, End Game and long waits, and are saved at every chance
// the menus and the closing boxes offer.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "game/game_fixture.h"
#include "rules/code_string.h"
#include "rules/marking.h"
#include "savegame/saved_game_file.h"

namespace tallimor {
namespace {

class Monkey {
   public:
    Monkey(Game& g, unsigned seed) : g_(g), random_(seed) {}

    // Plays one game from the setting menu back to the idle screen.
    void Playgame() {
        const std::vector<std::string> who{"You guess", "Computer guesses", "Watch computer play"};
        g_.Start({{L::Who, Pick(who)},
                  {L::Colour, Pick({"5", "6"})},
                  {L::Start, Pick({"Trial 1", "Middle"})},
                  {L::Length, Pick({"3", "4", "Unspecified (3 - 4)"})},
                  {L::Hint, Pick({"No error", "May contain error(s)"})},
                  {L::Order, Pick({"Fixed order", "Random order"})}});
        mycode_.clear();
        // A player's moves are a moment apart, so a deferred step runs first.
        for (int step = 0; step < 300 && !Idle() && !g_.Shown(Panel::Frmenu); ++step)
            Move(), g_.h.Advance(0.2);
        if (g_.Shown(Panel::Frmenu)) g_.m.Cmdcancel_Click();
    }

    std::vector<std::string> refused;
    int saves = 0;

   private:
    bool Idle() const { return g_.Stack() == "Picfore"; }
    std::string Pick(const std::vector<std::string>& items) {
        return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(random_)];
    }
    bool Chance(int percent) { return std::uniform_int_distribution<int>(0, 99)(random_) < percent; }
    std::string Randomcode() {
        GameState copy = g_.m.State();
        copy.Random.Seed(random_());
        Makecode(copy, MakeTarget::Answer);  // any code: a repeated guess is refused as the player's would be
        return copy.Answer;
    }

    // Time passes, but not past the end of the game: the idle screen would start the demo.
    void Wait(int seconds) {
        for (int s = 0; s < seconds && !Idle(); s += 5) g_.h.Advance(5);
    }

    void Saveas() {
        const std::string name = "g" + std::to_string(++saves);
        g_.Choose(name);
        std::ifstream in(g_.folder / "Files" / (name + ".mm"), std::ios::binary);
        const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
        SavedGameFile read;
        if (const std::string why = Decodesavedgame(bytes.data(), bytes.size(), read); !why.empty())
            refused.push_back(why + " (" + std::string(Gamestatustext(g_.m.State().Gamestatus)) + ")");
    }

    void Move() {
        Tallimormod& m = g_.m;
        const Mainview v = g_.V();
        if (v.files) {
            v.files->opening ? m.Fmfiles_Cmdcancel_Click() : Saveas();
        } else if (v.box) {
            if (v.box->id == Message::Mnuquit) return g_.Press(Msgbutton::Cmdr2);
            if (v.box->saveOffered && Chance(50)) return g_.Press(Msgbutton::Cmdl3);
            g_.Press(static_cast<Msgbutton>(std::uniform_int_distribution<int>(0, 4)(random_)));
        } else if (v.menus.Mnusaving && Chance(30)) {
            m.Mnusaveas_Click();
        } else if (v.menus.Mnuend && Chance(3)) {
            m.Mnuend_Click();
        } else if (Chance(4)) {
            Wait(Chance(50) ? 600 : 3000);
        } else if (v.Shown(Panel::Frerror) && Chance(15)) {
            m.Cmderror_Click();
        } else if (v.Shown(Panel::Frgetstring) || v.Shown(Panel::Frinput)) {
            if (!v.keyboard) m.Mnukey_Click();
            const GameState& s = m.State();
            const bool mine = s.Settings.Computerguesses() && !m.Computermarks();
            std::string code =
                Chance(20) && !s.Answer.empty() && s.Settings.Playerguesses() ? s.Answer : Randomcode();
            if (mine && mycode_.empty()) mycode_ = code;
            if (mine && s.Currenttrial < s.Settings.Starttrial && s.Currenttrial > 0) code = Randomcode();
            m.Txtinput_Change(code);
            m.Cmdsubnum_Click();
        } else if (v.Shown(Panel::Frshowresult)) {
            m.Cmdshowresult_Click();
        } else if (v.Shown(Panel::Frtrialno)) {
            m.Cbtrialno_Click(Pick({"2", "3", "5"}));
            m.Cmdoktrial_Click();
        } else if (v.Shown(Panel::Frmark)) {
            Chance(50) ? m.Optyesmark_Click() : m.Optnomark_Click();
            m.Cmdokmark_Click();
        } else if (v.Shown(Panel::Fraskcode)) {
            mycode_ = Randomcode();
            m.Cmdready_Click();
        } else if (v.Shown(Panel::Frgetresult)) {
            Markguess();
        } else {
            Wait(std::uniform_int_distribution<int>(1, 30)(random_));
        }
    }

    // The player's hint for the computer's guess: mostly true, now and then not.
    void Markguess() {
        Tallimormod& m = g_.m;
        const GameState& s = m.State();
        if (mycode_.empty()) mycode_ = Randomcode();
        if (s.Guessstr == mycode_ && Chance(90)) return m.Cmdwin_Click();
        Hint h = Markcode(s.Settings, s.Guessstr, mycode_);
        if (Chance(15)) h = {static_cast<int16_t>(random_() % 3), static_cast<int16_t>(random_() % 3), 0};
        if (!g_.V().keyboard) m.Mnukey_Click();
        m.Txtcorrect_KeyPress(static_cast<char>('0' + h.Blacks));
        if (s.Settings.Randomorder()) m.Txtwrong_KeyPress(static_cast<char>('0' + h.Whites));
        m.Cmdgetresult_Click();
        if (g_.V().Shown(Panel::Frgetresult)) {  // counts the entry refuses: a win instead
            m.Txtcorrect_KeyPress('\b'), m.Txtwrong_KeyPress('\b');
            m.Cmdwin_Click();
        }
    }

    Game& g_;
    std::mt19937 random_;
    std::string mycode_;  // the player's own code in a "Computer guesses" game
};

TEST(EverySavedGame, IsOneTheReaderAccepts) {
    Game g("every-save");
    Monkey monkey(g, 20261207);
    for (int game = 0; game < 250; ++game) monkey.Playgame();
    EXPECT_GT(monkey.saves, 250);  // the walk reached the save points at all
    for (const std::string& why : monkey.refused) ADD_FAILURE() << why;
}

}  // namespace
}  // namespace tallimor
