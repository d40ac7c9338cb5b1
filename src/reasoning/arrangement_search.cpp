// The second level of the search: placing the candidate's colours so that
// every earlier guess gets exactly its black count ("Random order" only).

#include "reasoning/engine.h"
#include "rules/code_string.h"

namespace tallimor {

namespace {

constexpr char kFree = '*';   // a position not yet given a colour
constexpr char kTaken = '+';  // a slot of the candidate already placed

}  // namespace

bool Nextcombination(std::string& combination, int length) {
    const int k = static_cast<int>(combination.size());
    for (int i = k - 1; i >= 0; --i) {
        const int limit = length - (k - 1 - i);  // the largest position this digit may take
        if (combination[static_cast<size_t>(i)] - '0' < limit) {
            ++combination[static_cast<size_t>(i)];
            for (int j = i + 1; j < k; ++j)
                combination[static_cast<size_t>(j)] =
                    static_cast<char>(combination[static_cast<size_t>(j - 1)] + 1);
            return true;
        }
    }
    return false;
}

bool Engine::Acceptable(int trial, const std::string& combination) const {
    const std::string& guess = game_.Record[trial].Trialguess;
    std::string work = remaining_;
    for (char digit : combination) {
        const size_t p = static_cast<size_t>(digit - '1');
        if (p >= guess.size()) return false;
        const char c = guess[p];
        if (c == kBlank || game_.Guessstr[p] != kFree) return false;
        const size_t slot = work.find(c);
        if (slot == std::string::npos) return false;
        work[slot] = kTaken;
        // No earlier trial may gain a black here.
        for (int u = 1; u < trial; ++u) {
            const std::string& earlier = game_.Record[u].Trialguess;
            if (p < earlier.size() && earlier[p] == c) return false;
        }
    }
    return true;
}

void Engine::Applycombination(int trial) {
    const std::string& guess = game_.Record[trial].Trialguess;
    const std::string& combination = combination_[static_cast<size_t>(trial)];
    for (size_t i = 0; i < combination.size(); ++i) {
        const size_t p = static_cast<size_t>(combination[i] - '1');
        const char c = guess[p];
        const size_t slot = remaining_.find(c);  // the first occurrence still free
        game_.Guessstr[p] = c;
        remaining_[slot] = kTaken;
        takenSlot_[static_cast<size_t>(trial)][i] = static_cast<int8_t>(slot);
        placed_[p] = true;
    }
    holding_[static_cast<size_t>(trial)] = true;
}

void Engine::Undocombination(int trial) {
    const std::string& combination = combination_[static_cast<size_t>(trial)];
    for (size_t i = 0; i < combination.size(); ++i) {
        const size_t p = static_cast<size_t>(combination[i] - '1');
        // Each colour goes back into the very slot it was taken from.
        remaining_[static_cast<size_t>(takenSlot_[static_cast<size_t>(trial)][i])] = game_.Guessstr[p];
        game_.Guessstr[p] = kFree;
        placed_[p] = false;
    }
    holding_[static_cast<size_t>(trial)] = false;
}

Engine::Step Engine::Searcharrangement() {
    // Startarrangement: the candidate multiset becomes the pool to place.
    const int L = game_.Settings.Codelength;
    const int last = game_.Currenttrial;  // trials 1 to last - 1 have hints
    remaining_ = game_.Guessstr;
    game_.Guessstr.assign(static_cast<size_t>(L), kFree);
    placed_.fill(false);
    holding_.fill(false);
    for (auto& c : combination_) c.clear();
    colourCursor_.fill(-1);

    int t = 1;
    bool reenter = false;
    for (;;) {
        bool goBack = false;
        if (t >= last) {
            if (Fillrest()) {
                Nextfillsuccess();
                return Step::Conclude;
            }
            goBack = true;
        } else {
            std::string& combination = combination_[static_cast<size_t>(t)];
            bool found = false;
            if (reenter) {
                reenter = false;
                found = Nextcombination(combination, L);
            } else {
                const std::string& guess = game_.Record[t].Trialguess;
                const int black = game_.Record[t].Trialblack;
                int m = 0;
                for (size_t p = 0; p < guess.size() && p < static_cast<size_t>(L); ++p)
                    if (guess[p] != kBlank && game_.Guessstr[p] == guess[p]) ++m;
                if (m == black) {
                    combination.clear();
                    ++t;
                    continue;
                }
                if (m < black && black - m <= L) {
                    combination = std::string("12345678").substr(0, static_cast<size_t>(black - m));
                    found = true;
                }
            }
            while (found && !Acceptable(t, combination)) found = Nextcombination(combination, L);
            if (found) {
                Applycombination(t);
                ++t;
                continue;
            }
            combination.clear();
            goBack = true;
        }
        if (goBack) {
            // Backtracktrial: undo the newest trial holding a combination.
            int u = std::min(t, last) - 1;
            for (;; --u) {
                while (u >= 1 && !holding_[static_cast<size_t>(u)]) --u;
                if (u < 1) return Step::NextfillFailure;
                Undocombination(u);
                std::string& combination = combination_[static_cast<size_t>(u)];
                const int k = static_cast<int>(combination.size());
                std::string lastCombination;
                for (int i = L - k + 1; i <= L; ++i) lastCombination += static_cast<char>('0' + i);
                if (combination != lastCombination) break;
                combination.clear();
            }
            t = u;
            reenter = true;
        }
    }
}

bool Engine::Fillrest() {
    const int L = game_.Settings.Codelength;
    const int last = game_.Currenttrial;
    // The colours that would give some trial an extra black, per position.
    std::array<uint16_t, 8> forbidden{};
    for (int u = 1; u < last; ++u) {
        const std::string& guess = game_.Record[u].Trialguess;
        for (size_t p = 0; p < guess.size() && p < forbidden.size(); ++p)
            if (guess[p] >= '0' && guess[p] <= '9')
                forbidden[p] |= static_cast<uint16_t>(1u << (guess[p] - '0'));
    }
    auto acceptable = [&](size_t p, char c) {
        return c == kBlank || c == kUnfilled || !(forbidden[p] >> (c - '0') & 1u);
    };
    std::array<int, 8> free{};
    int nfree = 0;
    for (int p = 0; p < L; ++p)
        if (!placed_[static_cast<size_t>(p)]) free[static_cast<size_t>(nfree++)] = p;

    // Whether the free positions from `first` on can all still take a colour:
    // a perfect matching of positions to the slots left.  Trying a slot
    // whose rest cannot be completed would only fail after a long search, so
    // skipping it finds the same arrangement, and finds it at once.
    auto completable = [&](int first) {
        std::array<int, 16> owner;  // slot -> position index, -1 when unmatched
        owner.fill(-1);
        const size_t slots = remaining_.size();
        for (int i = first; i < nfree; ++i) {
            std::array<bool, 16> seen{};
            // Augmenting path search, iteratively over at most 8 positions.
            std::array<int, 8> stackPos{}, stackSlot{};
            int top = 0;
            stackPos[0] = i;
            stackSlot[0] = 0;
            bool matched = false;
            while (top >= 0 && !matched) {
                const int pi = stackPos[static_cast<size_t>(top)];
                const size_t pos = static_cast<size_t>(free[static_cast<size_t>(pi)]);
                size_t slot = static_cast<size_t>(stackSlot[static_cast<size_t>(top)]);
                bool descended = false;
                for (; slot < slots; ++slot) {
                    const char c = remaining_[slot];
                    if (c == kTaken || seen[slot] || !acceptable(pos, c)) continue;
                    seen[slot] = true;
                    stackSlot[static_cast<size_t>(top)] = static_cast<int>(slot);
                    if (owner[slot] < 0) {
                        // Flip the path: each position on the stack takes its slot.
                        for (int k = top; k >= 0; --k)
                            owner[static_cast<size_t>(stackSlot[static_cast<size_t>(k)])] =
                                stackPos[static_cast<size_t>(k)];
                        matched = true;
                    } else {
                        ++top;
                        stackPos[static_cast<size_t>(top)] = owner[slot];
                        stackSlot[static_cast<size_t>(top)] = 0;
                        descended = true;
                    }
                    break;
                }
                if (matched || descended) continue;
                --top;
                if (top >= 0) ++stackSlot[static_cast<size_t>(top)];
            }
            if (!matched) return false;
        }
        return true;
    };

    if (!completable(0)) return false;
    for (int i = 0; i < nfree; ++i) {
        const size_t p = static_cast<size_t>(free[static_cast<size_t>(i)]);
        bool put = false;
        for (size_t slot = static_cast<size_t>(colourCursor_[p] + 1); slot < remaining_.size() && !put;
             ++slot) {
            const char c = remaining_[slot];
            if (c == kTaken || !acceptable(p, c)) continue;
            game_.Guessstr[p] = c;
            remaining_[slot] = kTaken;
            colourCursor_[p] = static_cast<int>(slot);
            put = completable(i + 1);
            if (!put) {
                remaining_[slot] = c;
                game_.Guessstr[p] = kFree;
            }
        }
        if (!put) return false;  // cannot happen: the rest was completable
    }
    return true;
}

void Engine::Nextfillsuccess() {
    size_t next = 0;
    for (char& ch : game_.Guessstr)
        if (ch == kUnfilled && next < freshcolours_.size()) ch = freshcolours_[next++];
}

}  // namespace tallimor
