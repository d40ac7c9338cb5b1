#include "savegame/saved_game_file.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "fresh_folder.h"

namespace tallimor {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, size_t at, int v) { b.at(at) = v & 0xFF, b.at(at + 1) = (v >> 8) & 0xFF; }
void Puttext(Bytes& b, size_t at, const std::string& s) {
    Put16(b, at, static_cast<int>(s.size()));
    std::copy(s.begin(), s.end(), b.begin() + static_cast<std::ptrdiff_t>(at + 2));
}

// "You guess" after 3 trials: 6 colours, length 4, no repetition, "Random
// order".  Markflag, guesses 0 and 4, HintTotal and the reasoning are set but
// must not be written.
SavedGameFile Playergame() {
    SavedGameFile g;
    g.Who = 1, g.Inputmethod = "Mouse", g.Displaymode = "Colour", g.Markflag = -1;
    g.Colours = 6, g.Startfrom = g.Starttrial = g.Fixedlength = g.Hinterrors = g.MaxRepeat = 1;
    g.Codelength = 4, g.Ordertype = 2, g.Gamestatus = "Playing", g.Currenttrial = g.Finaltrial = 3;
    g.Answer = "0123", g.Trialguess = {"0000", "0145", "2301", "5432", "0000"};
    g.Trialblack = {0, 2}, g.Trialwhite = {0, 0, 4, 2}, g.HintTotal = {0, 2, 4, 2};
    g.ColourOrder = "012345", g.MaxTested[0] = 1, g.Timespent = 1234;
    return g;
}
// Its bytes, placed at the offsets the table's order gives.
Bytes Playerbytes() {
    Bytes b(722, 0);
    Put16(b, 0, 1), Puttext(b, 2, "Mouse"), Puttext(b, 9, "Colour");  // Markflag at 17 stays 0
    int i = 0;
    for (int v : {6, 1, 1, 4, 1, 1, 2, 1}) Put16(b, 19 + 2 * i++, v);
    Puttext(b, 35, "Playing"), Put16(b, 44, 3), Put16(b, 46, 3), Puttext(b, 48, "0123");
    Puttext(b, 56, "0145"), Puttext(b, 62, "2301"), Puttext(b, 68, "5432");  // Trialguess 0 at 54
    Put16(b, 124, 2), Put16(b, 182, 4), Put16(b, 184, 2);                    // Trialblack 122, Trialwhite 178
    Put16(b, 512, 1234);  // after HintTotal 234, errors 290-298, reasoning 300-511
    return b;
}

// "Computer guesses", "Fixed order", the player marking, one hint in.
SavedGameFile Computergame() {
    SavedGameFile g;
    g.Who = 2, g.Inputmethod = "Keyboard", g.Displaymode = "Number", g.Colours = 5, g.Codelength = 3;
    g.Startfrom = g.Starttrial = g.Fixedlength = g.Hinterrors = g.Ordertype = g.MaxRepeat = 1;
    g.Gamestatus = "Playing", g.Currenttrial = 2, g.Finaltrial = 1, g.Trialguess = {"", "012", "034"};
    g.Trialblack = {0, 1}, g.HintTotal = {0, 1}, g.Timespent = 12;
    g.TrialColours[1] = "012", g.TrialLayers[1] = "111", g.TrialChoice[1] = "100";
    g.ColourOrder = "31024", g.Guessstr = "034", g.MaxTested = {1, 1, 1}, g.Saturation = {0, 1, 1};
    return g;
}
// Its bytes over a buffer whose earlier save left the code "234": the
// reasoning is stored, the unknown code is not.
Bytes Computerbytes() {
    Bytes b(722, 0);
    Put16(b, 0, 2), Puttext(b, 2, "Keyboard"), Puttext(b, 12, "Number");
    int i = 0;
    for (int v : {5, 1, 1, 3, 1, 1, 1, 1}) Put16(b, 22 + 2 * i++, v);
    Puttext(b, 38, "Playing"), Put16(b, 47, 2), Put16(b, 49, 1), Puttext(b, 51, "234");
    Puttext(b, 58, "012"), Put16(b, 117, 1), Put16(b, 229, 1);  // guesses 56, blacks 115, totals 227
    Puttext(b, 295, "012"), Puttext(b, 354, "111"), Puttext(b, 413, "100");
    Puttext(b, 470, "31024"), Puttext(b, 477, "034"), Put16(b, 522, 12);
    for (size_t at : {482, 484, 486, 504, 506}) Put16(b, at, 1);  // MaxTested, Saturation
    return b;
}

TEST(SavedGameLayoutTest, RecordsHoldTheTableOrderAtTheirOffsets) {
    SavedGameFile earlier;
    earlier.Answer = "234", earlier.HintTotal[0] = 7;  // row 0 of the reasoning is written
    for (const auto& [buffer, game, bytes, used] :
         {std::tuple{SavedGameFile{}, Playergame(), Playerbytes(), 514},
          {earlier, Computergame(), Computerbytes(), 524}}) {
        const SavedGameFile filled = Fillbuffer(buffer, game);
        EXPECT_EQ(Encodesavedgame(filled), bytes) << game.Who;
        SavedGameFile read;
        EXPECT_EQ(Decodesavedgame(bytes.data(), used, read), "") << game.Who;
        EXPECT_EQ(read, filled) << game.Who;
        EXPECT_NE(Decodesavedgame(bytes.data(), used - 1, read).find("shorter"), std::string::npos);
    }
}

TEST(SavedGameConditionsTest, DecideWhetherTheCodeAndTheReasoningAreStored) {
    // Who, Markflag, Gamestatus, Timespent; condition A, condition B.
    const std::tuple<int16_t, int16_t, const char*, int16_t, bool, bool> cases[] = {
        {1, -1, "Playing", 10, true, false}, {3, 0, "Playing", 10, true, false},
        {2, -1, "Playing", 10, true, false}, {2, 0, "Playing", 10, false, true},
        {2, 0, "Win", 10, true, true},       {2, 0, "Error Detected", 0, false, false}};
    for (const auto& [who, markflag, status, timespent, answer, reasoning] : cases) {
        SavedGameFile g;
        g.Who = who, g.Markflag = markflag, g.Gamestatus = status, g.Timespent = timespent;
        EXPECT_EQ(std::pair(Storesanswer(g), Storesreasoning(g)), std::pair(answer, reasoning))
            << who << status;
    }
}

TEST(SavedGameDecodeTest, DamagedRecordsAreRefusedAndChangeNothing) {
    // Computer's record or player's, offset, new 16-bit value (a negated one: a single
    // byte), and the reason (none: a leftover field, accepted).
    const std::tuple<bool, size_t, int, const char*> cases[] = {
        {false, 120, 700, "past the end"},   {false, 0, 4, "who"},
        {false, 19, 11, "colours"},          {false, 25, 5, "more colours"},
        {false, 33, 5, "repetition"},        {false, 23, 2, "start trial"},
        {false, 46, 28, "trial number"},     {false, 44, 28, "trial number"},
        {false, 44, 0xFFFF, "trial number"}, {false, 37, -'p', "status"},
        {false, 64, -'7', "trial 2"},        {false, 50, -'6', "secret code"},
        {false, 124, 5, "trial 1"},          {false, 126, 1, "trial 2"},
        {false, 290, 1, "pending"},          {false, 298, 28, "checked"},
        {false, 236, 77, nullptr},           {true, 20, 1, "marking"},
        {true, 32, 2, "wrong hints"},        {true, 472, -'5', "colour order"},
        {true, 297, -'5', "trial 1"},        {true, 415, -'2', "trial 1"},
        {true, 482, 2, "colour counts"},     {true, 229, 2, "hint total"},
        {true, 479, -'4', "guess"},          {true, 53, -'9', nullptr},
    };
    for (const auto& [computer, at, value, reason] : cases) {
        Bytes b = computer ? Computerbytes() : Playerbytes();
        value < 0 ? void(b.at(at) = static_cast<uint8_t>(-value)) : Put16(b, at, value);
        SavedGameFile buffer = Playergame();
        const std::string why = Decodesavedgame(b.data(), b.size(), buffer);
        EXPECT_TRUE(reason ? why.find(reason) != std::string::npos && buffer == Playergame() : why.empty())
            << at << ": " << why;
    }
}

// The player's game played on to `trial` with misses.
void Playeduntil(SavedGameFile& g, int16_t trial) {
    g.Currenttrial = g.Finaltrial = trial;
    for (size_t t = 4; t <= static_cast<size_t>(trial); ++t) g.Trialguess[t] = "0145";
}

// The game won at `trial` against `answer`: that trial's hint is `blacks` and no white.
void Wonat(SavedGameFile& g, const char* answer, size_t trial, int16_t blacks) {
    g.Gamestatus = "Win", g.Answer = answer, g.Trialblack[trial] = blacks, g.Trialwhite[trial] = 0;
}

// The counters, the status, the clock and the rows as a game writes them.
TEST(SavedGameCheckTest, FieldsMustStandToEachOtherAsInAGame) {
    using Change = void (*)(SavedGameFile&);
    // A change to the player's game (trial 3 of 6 colours, length 4), and
    // the reason it is refused for (none: a game can be saved so).
    const std::pair<Change, const char*> cases[] = {
        {[](SavedGameFile& g) { Playeduntil(g, 26); }, nullptr},
        // Trial 27's hint ends the game, so it is never asked for again.
        {[](SavedGameFile& g) { Playeduntil(g, 27); }, "game in play"},
        {[](SavedGameFile& g) { Playeduntil(g, 27), g.Gamestatus = "Gameover"; }, nullptr},
        {[](SavedGameFile& g) { g.Currenttrial = g.Finaltrial = 0; }, "game in play"},
        {[](SavedGameFile& g) { g.Finaltrial = 2; }, "do not match"},
        {[](SavedGameFile& g) { g.Timespent = 3601; }, nullptr},
        {[](SavedGameFile& g) { g.Timespent = 3602; }, "more than a game"},
        {[](SavedGameFile& g) { g.Gamestatus = "Gameover"; }, "last trial and its hour"},
        {[](SavedGameFile& g) { g.Gamestatus = "Gameover", g.Timespent = 3601; }, nullptr},
        {[](SavedGameFile& g) { g.Gamestatus = "End Game", g.Timespent = 3600; }, nullptr},
        {[](SavedGameFile& g) { g.Gamestatus = "End Game", g.Finaltrial = 2; }, "do not match"},
        {[](SavedGameFile& g) { g.Gamestatus = "Win"; }, "no winning hint"},
        {[](SavedGameFile& g) { Wonat(g, "0123", 3, 4); }, "no winning hint"},
        {[](SavedGameFile& g) { Wonat(g, "5432", 3, 4); }, nullptr},
        {[](SavedGameFile& g) { Wonat(g, "5432", 3, 3); }, "no winning hint"},
        // A wrong hint hid the win of trial 2; the claim at trial 3 uncovered it.
        {[](SavedGameFile& g) {
             Wonat(g, "2301", 2, 4);
             g.Hinterrors = 2, g.ErrorTrials = "2", g.TrueBlacks = "4", g.TrueWhites = "0";
         },
         nullptr},
        {[](SavedGameFile& g) { Wonat(g, "2301", 2, 4); }, "no winning hint"},
        {[](SavedGameFile& g) { g.Hinterrors = 1, g.ErrorTrials = "5"; }, "without errors"},
        {[](SavedGameFile& g) { g.Gamestatus = "Hint(s) Consistent"; }, "without wrong hints"},
        {[](SavedGameFile& g) { g.Gamestatus = "Hint(s) Consistent", g.Hinterrors = 2; }, nullptr},
        {[](SavedGameFile& g) { g.Gamestatus = "Error Detected"; }, "stopped game"},
        // The computer's guess of trial 2 waits for its hint.
        {[](SavedGameFile& g) { g = Computergame(); }, nullptr},
        {[](SavedGameFile& g) { g = Computergame(), g.Finaltrial = 2, g.Trialblack[2] = 1; }, "do not match"},
        {[](SavedGameFile& g) { g = Computergame(), g.Gamestatus = "Error Detected"; }, nullptr},
        {[](SavedGameFile& g) { g = Computergame(), g.Gamestatus = "Error Detected", g.Finaltrial = 0; },
         "stopped game"},
    };
    for (const auto& [change, reason] : cases) {
        SavedGameFile g = Playergame();
        change(g);
        const std::string why = Checksavedgame(g);
        EXPECT_TRUE(reason ? why.find(reason) != std::string::npos : why.empty())
            << g.Gamestatus << " " << g.Currenttrial << "/" << g.Finaltrial << ": " << why;
    }
}

TEST(SavedGameFileTest, SavesReplaceTheFileWholeAndTextsMustFit) {
    // Length 8 with 27 trials: the texts take exactly the 242 bytes a record has.
    SavedGameFile full = Playergame();
    full.Colours = 10, full.Codelength = full.MaxRepeat = 8, full.Currenttrial = full.Finaltrial = 27;
    for (size_t t = 1; t <= 27; ++t) full.Trialguess[t] = std::to_string(10000000 + 3701 * t);
    // Won at the last trial, after two wrong hints.
    full.Gamestatus = "Win", full.Answer = full.Trialguess[27], full.Trialblack[27] = 8;
    full.Hinterrors = 2, full.ErrorTrials = "12", full.TrueBlacks = full.TrueWhites = "0";
    const Bytes bytes = Encodesavedgame(Fillbuffer({}, full));
    SavedGameFile buffer, read;
    EXPECT_EQ(Decodesavedgame(bytes.data(), bytes.size(), read), "");
    const fs::path folder = Freshfolder("saved");
    const fs::path path = folder / "game.mm";
    ASSERT_TRUE(Writesavedgame(path, Computergame(), buffer).Ok() && fs::file_size(path) == 722u);
    // The computer's tables left in the buffer count too, and no longer leave room.
    const SavedGameFile saved = buffer;
    EXPECT_EQ(Writesavedgame(path, full, buffer).status, SavedGameStatus::TooLong);
    EXPECT_EQ(Writesavedgame(folder / "none" / "game.mm", Playergame(), buffer).status,
              SavedGameStatus::Noplace);
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(Writesavedgame(path, Playergame(), buffer).status, SavedGameStatus::Unwritable);
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    // Nothing refused changed the buffer or the file, which reads back as saved.
    EXPECT_TRUE(buffer == saved && Readsavedgame(path, read).Ok() && read == saved);
    EXPECT_EQ(Readsavedgame(folder / "none.mm", read).status, SavedGameStatus::Unreadable);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tallimor
