#include "savegame/saved_game_file.h"

#include <algorithm>
#include <cerrno>
#include <fstream>

#include "records/file_replace.h"
#include "records/winners_file.h"
#include "rules/code_string.h"
#include "rules/game_clock.h"
#include "rules/game_settings.h"
#include "rules/game_state.h"

namespace tallimor {

namespace {

// Every field in record order, for the writer and the reader alike, so the
// two can never disagree on the layout.
template <typename File, typename Io>
void Eachfield(File& f, Io& io) {
    io.Number(f.Who);
    io.Text(f.Inputmethod);
    io.Text(f.Displaymode);
    io.Number(f.Markflag);
    for (auto* v : {&f.Colours, &f.Startfrom, &f.Starttrial, &f.Codelength, &f.Fixedlength, &f.Hinterrors,
                    &f.Ordertype, &f.MaxRepeat})
        io.Number(*v);
    io.Text(f.Gamestatus);
    io.Number(f.Currenttrial);
    io.Number(f.Finaltrial);
    io.Text(f.Answer);
    for (auto& s : f.Trialguess) io.Text(s);
    for (auto* table : {&f.Trialblack, &f.Trialwhite, &f.HintTotal})
        for (auto& v : *table) io.Number(v);
    io.Number(f.ErrorPending);
    for (auto* s : {&f.ErrorTrials, &f.TrueBlacks, &f.TrueWhites}) io.Text(*s);
    io.Number(f.Checkedtrial);
    for (auto* table : {&f.TrialColours, &f.TrialLayers, &f.TrialChoice})
        for (auto& s : *table) io.Text(s);
    io.Text(f.ColourOrder);
    io.Text(f.Guessstr);
    for (auto& v : f.MaxTested) io.Number(v);
    for (auto& v : f.Saturation) io.Number(v);
    io.Number(f.Timespent);
}

struct Writer {
    std::vector<uint8_t> bytes;
    size_t textBytes = 0;
    void Number(int16_t v) {
        const auto u = static_cast<uint16_t>(v);
        bytes.push_back(static_cast<uint8_t>(u & 0xFF));
        bytes.push_back(static_cast<uint8_t>(u >> 8));
    }
    void Text(const std::string& utf8) {
        const std::string ansi = Utf8toansi(utf8);
        textBytes += ansi.size();
        if (textBytes > kSavedGameTextRoom) return;  // the record is refused as a whole
        Number(static_cast<int16_t>(ansi.size()));
        bytes.insert(bytes.end(), ansi.begin(), ansi.end());
    }
};

struct Reader {
    const uint8_t* bytes;
    size_t size;  // what the file holds of the record
    size_t pos = 0;
    std::string why;
    bool Take(size_t n) {
        if (!why.empty()) return false;
        if (pos + n > kSavedGameRecordLength)
            why = "its texts run past the end of the record";
        else if (pos + n > size)
            why = "the file is shorter than a saved game";
        return why.empty();
    }
    uint16_t Word() {
        const auto v = static_cast<uint16_t>(bytes[pos] | bytes[pos + 1] << 8);
        pos += 2;
        return v;
    }
    void Number(int16_t& v) {
        if (Take(2)) v = static_cast<int16_t>(Word());
    }
    void Text(std::string& s) {
        if (!Take(2)) return;
        const size_t n = Word();
        if (!Take(n)) return;
        s = Ansitoutf8(std::string(reinterpret_cast<const char*>(bytes + pos), n));
        pos += n;
    }
};

bool Oneof(const std::string& s, std::initializer_list<const char*> texts) {
    return std::any_of(texts.begin(), texts.end(), [&](const char* t) { return s == t; });
}

bool Digitsupto(const std::string& s, int most) {
    return std::all_of(s.begin(), s.end(), [&](char c) { return c >= '0' && c <= '0' + most; });
}

bool Inrange(int v, int low, int high) { return v >= low && v <= high; }

std::string Checksetting(const SavedGameFile& f) {
    if (!Inrange(f.Who, 1, 3)) return "who guesses is out of range";
    if (!Inrange(f.Colours, 5, 10)) return "the number of colours is out of range";
    if (!Inrange(f.Fixedlength, 0, 1) ||
        !Inrange(f.Codelength, f.Fixedlength == Code(Lengthkind::Fixed) ? 3 : 4, 8))
        return "the length of code is out of range";
    if (f.Colours < f.Codelength + 2) return "the length of code needs more colours";
    if (!Inrange(f.Startfrom, 1, 2)) return "the start is out of range";
    // "Computer guesses" from the middle lets the player choose trials 2 to 9.
    const int first = f.Startfrom == Code(Startpoint::Middle) && f.Who == Code(Guesser::Computer) ? 2 : 1;
    if (!Inrange(f.Starttrial, first, f.Startfrom == Code(Startpoint::Trial1) ? 1 : 9))
        return "the start trial is out of range";
    if (!Inrange(f.Hinterrors, 1, 2)) return "the hint setting is out of range";
    if (f.Who == Code(Guesser::Computer) && f.Hinterrors == Code(Hintkind::Mayerr))
        return "a computer that guesses gets no wrong hints";
    if (!Inrange(f.Ordertype, 1, 2)) return "the order type is out of range";
    if (!Inrange(f.MaxRepeat, 1, f.Codelength)) return "the colour repetition is out of range";
    return "";
}

// A hint the marking (or the player's marking lists) can give to this guess:
// correct colours never exceed the colours of the guess.
bool Possiblehint(const GameSettings& s, const std::string& guess, int black, int white) {
    const int colours = s.Codelength - Countchar(guess, kBlank);
    if (black < 0 || white < 0) return false;
    // In "Fixed order" the second count is part of the first, but a wrong
    // hint lowers the first alone.
    return s.Fixedorder() ? black <= colours && white <= colours : black + white <= colours;
}

std::string Checkwronghints(const SavedGameFile& f) {
    if (f.ErrorPending != 0 && f.ErrorPending != -1) return "the pending error flag is out of range";
    const auto& trials = f.ErrorTrials;
    if (trials.size() > 2 ||
        !std::all_of(trials.begin(), trials.end(), [](char c) { return c >= '1' && c <= '9'; }) ||
        (trials.size() == 2 && trials[0] >= trials[1]))
        return "the wrong-hint trials are out of range";
    if (f.TrueBlacks.size() > 2 || f.TrueBlacks.size() != f.TrueWhites.size() ||
        !Digitsupto(f.TrueBlacks, f.Codelength) || !Digitsupto(f.TrueWhites, f.Codelength) ||
        (!trials.empty() && f.TrueBlacks.size() > trials.size()) ||
        (f.ErrorPending && (f.TrueBlacks.empty() || trials.empty())))
        return "the true hints of the wrong hints are out of range";
    if (f.Hinterrors == Code(Hintkind::Noerror) &&
        (!trials.empty() || !f.TrueBlacks.empty() || f.ErrorPending))
        return "a game without errors holds wrong hints";
    if (!Inrange(f.Checkedtrial, 0, kLastTrial)) return "the checked trial is out of range";
    return "";
}

std::string Checkreasoning(const SavedGameFile& f, const GameSettings& s) {
    std::string order = f.ColourOrder;
    std::sort(order.begin(), order.end());
    if (order != Colourdigits(s)) return "the colour order is not the colours in play";
    if (!f.Guessstr.empty() && !Isvalidcode(s, f.Guessstr))
        return "the computer's guess is not a code of the setting";
    for (size_t c = 0; c < 10; ++c) {
        const int tested = f.MaxTested[c];
        if (!Inrange(tested, 0, static_cast<int>(c) < s.Colours ? s.MaxRepeat : 0) ||
            !Inrange(f.Saturation[c], 0, tested))
            return "the computer's colour counts are out of range";
    }
    for (size_t t = 0; t <= static_cast<size_t>(f.Finaltrial); ++t) {
        const std::string &colours = f.TrialColours[t], &layers = f.TrialLayers[t],
                          &choice = f.TrialChoice[t];
        bool fine = Digitsupto(colours, s.Colours - 1) && std::is_sorted(colours.begin(), colours.end()) &&
                    std::adjacent_find(colours.begin(), colours.end()) == colours.end() &&
                    layers.size() == colours.size() && (choice.empty() || choice.size() == colours.size());
        for (size_t i = 0; fine && i < layers.size(); ++i)
            fine = Inrange(layers[i], '1', '0' + s.MaxRepeat) &&
                   (choice.empty() || Inrange(choice[i], '0', layers[i]));
        if (!fine) return "the computer's tables of trial " + std::to_string(t) + " are impossible";
        const int total = f.HintTotal[t];
        if (!Inrange(total, 0, s.Codelength) ||
            (t > 0 && total != f.Trialblack[t] + (s.Fixedorder() ? 0 : f.Trialwhite[t])))
            return "the hint total of trial " + std::to_string(t) + " does not match its hint";
    }
    return "";
}

// A hint that says the guess is the code: every position that holds a
// colour is right (blanks are not counted), and nothing is misplaced.
bool Winninghint(const GameSettings& s, const std::string& guess, int black, int white) {
    return black == s.Codelength - Countchar(guess, kBlank) && white == 0;
}

// How the trial counters, the status, the clock and the rows of a game stand
// to each other when the game itself saves it.  Every save from the menu
// happens while a guess is asked for or marked; every save of an ended game
// from its closing box.
std::string Checkprogress(const SavedGameFile& f, const GameSettings& s) {
    const int current = f.Currenttrial, last = f.Finaltrial, start = f.Starttrial;
    // The hour is passed on its first second over; a game saved later was
    // over all the same, and is stored with that second.
    if (f.Timespent > kLongestgame) return "the time spent is more than a game can last";
    using S = GameStatus;
    const S status = Gamestatusnamed(f.Gamestatus).value_or(S::None);
    if (status == S::Playing || status == S::Continueplaying) {
        if (s.Playerguesses()) {
            // The player is asked for a guess after the start trials and
            // before trial 27, whose hint ends the game.
            if (current < std::max(1, start - 1) || current >= kLastTrial)
                return "the trial of a game in play is out of range";
            if (last != current) return "the stored trials of a game in play do not match its trial";
        } else {
            // The computer's guess of the current trial waits for its hint.
            if (current < start) return "the trial of a game in play is out of range";
            if (last != current - 1) return "the stored trials of a game in play do not match its trial";
        }
    } else if (status == S::Win) {
        if (current < start || last != current)
            return "the stored trials of a won game do not match its trial";
        // The winning guess is the last one, unless a wrong hint hid the win
        // and the game went on until the error was found.
        const std::string code = !f.Answer.empty() ? f.Answer : f.Trialguess[static_cast<size_t>(last)];
        bool found = false;
        for (int t = s.Errorsallowed() ? 1 : last; t <= last && !found; ++t) {
            const auto i = static_cast<size_t>(t);
            found = f.Trialguess[i] == code && Winninghint(s, code, f.Trialblack[i], f.Trialwhite[i]);
        }
        if (!found) return "a won game has no winning hint";
    } else if (status == S::Gameover) {
        if (last != current) return "the stored trials of an ended game do not match its trial";
        if (current != kLastTrial && f.Timespent <= kGameSeconds)
            return "a game over before its last trial and its hour";
    } else if (status == S::Endgame) {
        // Only the player who guesses ends a game with its answer shown.
        if (!s.Playerguesses() || current < 1 || current >= kLastTrial || last != current)
            return "the stored trials of an ended game do not match its trial";
    } else if (status == S::Errordetected) {
        // The player's own hints contradict each other: the game stops with
        // the hints given so far.
        if (!s.Computerguesses() || f.Markflag != 0 || last != std::max(current - 1, start - 1))
            return "the stored trials of a stopped game do not match its trial";
    } else if (status == S::Hintsconsistent || status == S::Latedetection) {
        // The verdicts on the player's Error claim.
        if (!s.Playerguesses() || !s.Errorsallowed())
            return "a claim was judged in a game without wrong hints";
    }
    return "";
}

}  // namespace

bool Storesanswer(const SavedGameFile& f) {
    return Gamestatusnamed(f.Gamestatus) == GameStatus::Win || f.Who != Code(Guesser::Computer) ||
           f.Markflag != 0;
}

bool Storesreasoning(const SavedGameFile& f) {
    return f.Who == Code(Guesser::Computer) && f.Markflag == 0 && f.Timespent != 0;
}

SavedGameFile Fillbuffer(const SavedGameFile& buffer, const SavedGameFile& game) {
    SavedGameFile b = game;  // then the fields this save leaves out get the buffer's back
    if (game.Who != Code(Guesser::Computer)) b.Markflag = buffer.Markflag;
    if (!Storesanswer(game)) b.Answer = buffer.Answer;
    const bool reasoning = Storesreasoning(game);
    if (!reasoning) {
        b.ColourOrder = buffer.ColourOrder, b.Guessstr = buffer.Guessstr;
        b.MaxTested = buffer.MaxTested, b.Saturation = buffer.Saturation;
    }
    const size_t last = static_cast<size_t>(std::clamp<int>(game.Finaltrial, 0, kLastTrial));
    for (size_t t = 0; t < kTrialRows; ++t) {
        if (t == 0 || t > last) {
            b.Trialguess[t] = buffer.Trialguess[t];
            b.Trialblack[t] = buffer.Trialblack[t], b.Trialwhite[t] = buffer.Trialwhite[t];
        }
        if (!reasoning || t > last) {
            b.HintTotal[t] = buffer.HintTotal[t];
            b.TrialColours[t] = buffer.TrialColours[t];
            b.TrialLayers[t] = buffer.TrialLayers[t], b.TrialChoice[t] = buffer.TrialChoice[t];
        }
    }
    return b;
}

std::vector<uint8_t> Encodesavedgame(const SavedGameFile& buffer) {
    Writer w;
    w.bytes.reserve(kSavedGameRecordLength);
    Eachfield(buffer, w);
    if (w.textBytes > kSavedGameTextRoom) return {};
    w.bytes.resize(kSavedGameRecordLength, 0);
    return std::move(w.bytes);
}

std::string Checksavedgame(const SavedGameFile& f) {
    if (std::string why = Checksetting(f); !why.empty()) return why;
    if (!Oneof(f.Inputmethod, {"Mouse", "Keyboard"})) return "the input method is unknown";
    if (!Oneof(f.Displaymode, {"Colour", "Number"})) return "the display mode is unknown";
    if (f.Who == Code(Guesser::Computer) && f.Markflag != 0 && f.Markflag != -1)
        return "the marking choice is out of range";
    // Every status a game can be saved in; the demo is never saved.
    const std::optional<GameStatus> status = Gamestatusnamed(f.Gamestatus);
    if (!status || *status == GameStatus::None || *status == GameStatus::Nextdemo)
        return "the game status is unknown";
    // The menus are closed while the player only watches, so such a game is saved at its end only.
    const bool watched =
        f.Who == Code(Guesser::Watch) || (f.Who == Code(Guesser::Computer) && f.Markflag != 0);
    if (watched && (*status == GameStatus::Playing || *status == GameStatus::Continueplaying))
        return "a game the player only watches is saved only at its end";
    if (!Inrange(f.Currenttrial, 0, kLastTrial) || !Inrange(f.Finaltrial, 0, kLastTrial))
        return "a trial number is out of range";
    if (f.Timespent < 0) return "the time spent is out of range";
    const GameSettings s =
        GameSettings::Make(f.Colours, f.Codelength, f.Fixedlength == Code(Lengthkind::Fixed), f.Ordertype,
                           f.MaxRepeat, f.Who, f.Startfrom, f.Hinterrors);
    // Only a player who marks himself may have won without telling the code.
    if (Storesanswer(f) && !Isvalidcode(s, f.Answer) &&
        !(f.Answer.empty() && f.Who == Code(Guesser::Computer) && f.Markflag == 0))
        return "the secret code is not a code of the setting";
    for (size_t t = 1; t <= static_cast<size_t>(f.Finaltrial); ++t) {
        if (!Isvalidcode(s, f.Trialguess[t]))
            return "the guess of trial " + std::to_string(t) + " is not a code of the setting";
        if (!Possiblehint(s, f.Trialguess[t], f.Trialblack[t], f.Trialwhite[t]))
            return "the hint of trial " + std::to_string(t) + " is impossible for its guess";
    }
    if (std::string why = Checkwronghints(f); !why.empty()) return why;
    if (std::string why = Checkprogress(f, s); !why.empty()) return why;
    return Storesreasoning(f) ? Checkreasoning(f, s) : "";
}

std::string Decodesavedgame(const uint8_t* bytes, size_t size, SavedGameFile& buffer) {
    SavedGameFile read;
    Reader r{bytes, std::min(size, kSavedGameRecordLength), 0, {}};
    Eachfield(read, r);
    if (r.why.empty()) r.why = Checksavedgame(read);
    if (r.why.empty()) buffer = std::move(read);
    return r.why;
}

SavedGameResult Writesavedgame(const std::filesystem::path& path, const SavedGameFile& game,
                               SavedGameFile& buffer) {
    SavedGameFile next = Fillbuffer(buffer, game);
    const std::vector<uint8_t> bytes = Encodesavedgame(next);
    if (bytes.empty()) return {SavedGameStatus::TooLong, "the game's texts do not fit in a saved game"};
    // A save killed before it ended may have left its temporary: it goes now.
    Removeleftovers(path);
    std::string why;
    int error = 0;
    if (!Replacefile(path, bytes, why, error))
        return {error == ENOENT || error == ENOTDIR ? SavedGameStatus::Noplace : SavedGameStatus::Unwritable,
                why};
    buffer = std::move(next);
    return {};
}

void Removeleftovergames(const std::filesystem::path& folder) {
    Removeleftovers(folder, [](const std::string& target) {
        return target.size() > 3 && target.compare(target.size() - 3, 3, ".mm") == 0;
    });
}

SavedGameResult Readsavedgame(const std::filesystem::path& path, SavedGameFile& buffer) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes(kSavedGameRecordLength);
    if (in) in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in && !in.eof()) return {SavedGameStatus::Unreadable, "cannot read " + path.string()};
    const std::string why = Decodesavedgame(bytes.data(), static_cast<size_t>(in.gcount()), buffer);
    if (!why.empty()) return {SavedGameStatus::Damaged, path.string() + " is not a saved game: " + why};
    return {};
}

}  // namespace tallimor
