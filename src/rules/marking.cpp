#include "rules/marking.h"

#include <array>

#include "rules/code_string.h"

namespace tallimor {

Hint Markcode(const GameSettings& s, std::string_view guess, std::string_view answer) {
    Hint h;
    const size_t n = std::min({guess.size(), answer.size(), static_cast<size_t>(s.Codelength), size_t{8}});
    std::array<bool, 8> guessFree{}, answerFree{};
    for (size_t p = 0; p < n; ++p) guessFree[p] = answerFree[p] = true;
    for (size_t p = 0; p < n; ++p) {
        if (guess[p] != answer[p]) continue;
        if (guess[p] == kBlank)
            ++h.Blankhits;
        else
            ++h.Blacks;
        guessFree[p] = answerFree[p] = false;
    }
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            if (guessFree[i] && answerFree[j] && guess[i] == answer[j]) {
                // A blank paired with a blank elsewhere counts nothing but
                // uses both positions up.
                if (guess[i] != kBlank) ++h.Whites;
                guessFree[i] = answerFree[j] = false;
            }
        }
    }
    if (s.Fixedorder()) h.Blacks = static_cast<int16_t>(h.Blacks + h.Whites);
    return h;
}

bool Iswin(const GameSettings& s, const Hint& hint, int answerblanks) {
    return hint.Blacks == s.Codelength - answerblanks && hint.Blankhits == answerblanks;
}

bool Mark(GameState& g) {
    const bool playersGame = g.Playing() && g.Settings.Playerguesses();
    if (playersGame) ++g.Currenttrial;
    g.Result = Markcode(g.Settings, g.Guessstr, g.Answer);
    if (g.Settings.Errorsallowed()) {
        for (char ch : g.ErrorTrials) {
            if (ch - '0' == g.Currenttrial) {
                if (g.Makeerror) g.Makeerror(g);
                break;
            }
        }
    }
    return !Iswin(g) && playersGame;
}

void Processmark(GameState& g) {
    if (g.Currenttrial < 0 || g.Currenttrial >= kTrialRows) return;
    TrialRecord& row = g.Record[g.Currenttrial];
    row.Trialguess = g.Guessstr;
    row.Trialblack = g.Result.Blacks;
    row.Trialwhite = g.Result.Whites;
    row.HintTotal =
        g.Settings.Fixedorder() ? g.Result.Blacks : static_cast<int16_t>(g.Result.Blacks + g.Result.Whites);
}

}  // namespace tallimor
