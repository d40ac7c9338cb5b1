// What the game does with the end of a search: play the candidate, take in a
// given trial, judge an Error claim, or report that no code agrees.

#include <algorithm>

#include "reasoning/engine.h"
#include "rules/code_string.h"

namespace tallimor {

std::string Showbugtext(const std::string& guess) {
    std::string text = "This programme has a bug.";
    if (!guess.empty()) text += " My next guess is " + guess + ".";
    return text + " Please choose one option below.";
}

bool Engine::Conclude(Conclusion& out) {
    GameState& g = game_;
    const int t = g.Currenttrial;
    const bool given = Given(t);
    // The previous guess again: it was not accepted as a win, so its hint is wrong.
    if (!tables_.NoConsistentCode && Fullcheck(t) && t >= 1 && t < kTrialRows &&
        g.Guessstr == g.Record[t - 1].Trialguess)
        tables_.NoConsistentCode = true;

    if (!tables_.NoConsistentCode) {
        if (given) {
            g.Guessstr = g.Record[t].Trialguess;
        } else {
            g.Guessblanks = static_cast<int16_t>(Countchar(g.Guessstr, kBlank));
        }
        std::string alphabet = Colourdigits(g.Settings);
        if (!g.Settings.Fixedcodelength()) alphabet += kBlank;
        if (!Checkinput(g.Settings, g.Guessstr, alphabet) ||
            g.Guessstr.size() != static_cast<size_t>(g.Settings.Codelength)) {
            out = {Conclusion::Kind::Showbug, false, g.Guessstr};
            return true;
        }
        if (g.Settings.Playerguesses()) {
            ++wrong_.Replaycount;
            if (wrong_.Replaycount > wrong_.Checkedtrial + 1) {
                out = {Conclusion::Kind::Errorcase, false, ""};
                return true;
            }
            return false;  // take in the next recorded trial
        }
        if (g.Settings.Computerguesses() && !computerMarks_) {
            out = given ? Conclusion{Conclusion::Kind::Delaytimer, false, ""}
                        : Conclusion{Conclusion::Kind::Getresult, false, ""};
            return true;
        }
        out = {Conclusion::Kind::Delaytimer, !given, ""};
        return true;
    }

    if (g.Settings.Playerguesses()) {
        const int firstError = g.ErrorTrials.empty() ? kTrialRows : g.ErrorTrials[0] - '0';
        if (wrong_.ErrorPending && t >= firstError) {
            wrong_.DetectTrial = static_cast<int16_t>(t);
            out = {Conclusion::Kind::Errorcase, false, ""};
        } else {
            out = {Conclusion::Kind::Showbug, false, g.Guessstr};
        }
        return true;
    }
    if (g.Settings.Computerguesses() && !computerMarks_) {
        out = {Conclusion::Kind::Inconsistent, false, ""};
        return true;
    }
    if (!wrong_.ErrorPending) {
        --g.Currenttrial;
        out = {Conclusion::Kind::Showbug, false, ""};
        return true;
    }
    wrong_.Checkedtrial = static_cast<int16_t>(std::max(t - 1, g.Settings.Starttrial - 1));
    out = {Conclusion::Kind::Inconsistent, false, ""};
    return true;
}

}  // namespace tallimor
