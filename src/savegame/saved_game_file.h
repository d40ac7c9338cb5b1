#pragma once
// A saved game (".mm"): one fixed-length record of 722 bytes at offset 0.
// The fields follow each other in the order of SavedGameFile below, without
// padding; numbers are signed 16-bit little-endian, every text a 16-bit byte
// count and that many Windows-1252 bytes.  Texts are held here as UTF-8.
//
// The run keeps one saved-game buffer.  A save writes the fields of the game
// that the two conditions below allow into it and writes the whole buffer;
// every field not written keeps what the buffer held from the last save or
// load of the run, so a file may carry values of an earlier game.  A load
// reads every field into the buffer, and its reader applies the same
// conditions, so it never looks at those leftovers.
//
// Mapping from the game module (g = GameState, tables = EngineTables,
// wrong = WrongHintState):
//   Who, Colours, Startfrom, Starttrial, Codelength, Fixedlength,
//   Hinterrors, Ordertype, MaxRepeat      g.Settings (Blankroom and
//                                         Lengthclass are derived on load)
//   Inputmethod   "Keyboard" for keyboard input, else "Mouse"
//   Displaymode   "Colour" or "Number"
//   Markflag      -1 when the computer marks its own guesses, 0 otherwise
//   Gamestatus, Currenttrial, Finaltrial, Answer   the same fields of g
//                 (Answerblanks is the count of 'b' in Answer on load)
//   Trialguess, Trialblack, Trialwhite, HintTotal  g.Record[t]
//   ErrorTrials   g.ErrorTrials
//   ErrorPending (-1 / 0), TrueBlacks, TrueWhites, Checkedtrial   wrong
//   TrialColours, TrialLayers, TrialChoice, ColourOrder, MaxTested,
//   Saturation    tables; Guessstr   g.Guessstr
//   Timespent     the clock's Timespent; on load it becomes Timeoffset
// The record has no field for Errorrecord, WinHidden, WinTrial, Replaycount,
// DetectTrial or NoConsistentCode: a load starts them empty.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "rules/game_record.h"

namespace tallimor {

constexpr size_t kSavedGameRecordLength = 722;
constexpr size_t kSavedGameTextRoom = 242;  // text bytes a record holds beside the counts and numbers
// The most seconds a saved game holds: a game ends on the first second past its hour.
constexpr int16_t kLongestgame = 3601;

struct SavedGameFile {
    int16_t Who{};
    std::string Inputmethod;
    std::string Displaymode;
    int16_t Markflag = 0;  // written for "Computer guesses" only
    int16_t Colours = 0;
    int16_t Startfrom{};
    int16_t Starttrial = 0;
    int16_t Codelength = 0;
    int16_t Fixedlength{};
    int16_t Hinterrors{};
    int16_t Ordertype{};
    int16_t MaxRepeat = 0;
    std::string Gamestatus;
    int16_t Currenttrial = 0;
    int16_t Finaltrial = 0;  // rows 1 to Finaltrial are stored
    std::string Answer;      // under condition A
    std::array<std::string, kTrialRows> Trialguess;
    std::array<int16_t, kTrialRows> Trialblack{};
    std::array<int16_t, kTrialRows> Trialwhite{};
    std::array<int16_t, kTrialRows> HintTotal{};  // under condition B, rows 0 to Finaltrial
    int16_t ErrorPending = 0;
    std::string ErrorTrials;
    std::string TrueBlacks;
    std::string TrueWhites;
    int16_t Checkedtrial = 0;
    // Under condition B: rows 0 to Finaltrial, and the rest in full.
    std::array<std::string, kTrialRows> TrialColours;
    std::array<std::string, kTrialRows> TrialLayers;
    std::array<std::string, kTrialRows> TrialChoice;
    std::string ColourOrder;
    std::string Guessstr;
    std::array<int16_t, 10> MaxTested{};
    std::array<int16_t, 10> Saturation{};
    int16_t Timespent = 0;

    friend bool operator==(const SavedGameFile&, const SavedGameFile&) = default;
};

// Condition A: the file holds the secret code.  It fails only when the player
// is the Codemaker and marks himself, unless the game was won.
bool Storesanswer(const SavedGameFile& f);
// Condition B: the file holds the computer's reasoning state, so that its
// guessing goes on after a load: "Computer guesses", the player marks, and
// the clock has counted at least a second.
bool Storesreasoning(const SavedGameFile& f);

// The buffer after saving `game` over `buffer`: the fields a save writes come
// from the game (Finaltrial bounds the rows), the others stay as they were.
SavedGameFile Fillbuffer(const SavedGameFile& buffer, const SavedGameFile& game);

// Exactly kSavedGameRecordLength bytes, the unused rest zero.  An empty
// vector when the texts need more than kSavedGameTextRoom bytes.
std::vector<uint8_t> Encodesavedgame(const SavedGameFile& buffer);

// Why a record could not come from a game ("" when it could).  Leftover
// fields are not judged.
std::string Checksavedgame(const SavedGameFile& f);

// Reads record 1 from `size` bytes into `buffer` (bytes past the record are
// ignored; so is its unused rest, which may be missing).  Bytes that end
// before the last field, a text count running past the record's end, or a
// record Checksavedgame refuses leave the buffer unchanged and give the
// reason; "" on success.
std::string Decodesavedgame(const uint8_t* bytes, size_t size, SavedGameFile& buffer);

enum class SavedGameStatus {
    Ok,
    TooLong,     // the game's texts do not fit the record; nothing written
    Noplace,     // the folder to write in is not there; nothing written
    Unwritable,  // the file could not be written (a full disk, no permission); an old file is untouched
    Unreadable,  // the file could not be opened or read
    Damaged,     // the file holds no record a game could have written
};

struct SavedGameResult {
    SavedGameStatus status = SavedGameStatus::Ok;
    std::string reason;  // what went wrong, for the program's message box
    bool Ok() const { return status == SavedGameStatus::Ok; }
};

// Saves `game` at `path` through `buffer`.  The file is replaced whole, and
// the buffer takes its new contents only when the file has been written.
SavedGameResult Writesavedgame(const std::filesystem::path& path, const SavedGameFile& game,
                               SavedGameFile& buffer);
// Removes the temporaries of saved games that a killed save left in `folder`.
void Removeleftovergames(const std::filesystem::path& folder);

// Loads the file at `path` into `buffer`; on any failure the buffer is unchanged.
SavedGameResult Readsavedgame(const std::filesystem::path& path, SavedGameFile& buffer);

}  // namespace tallimor
