#include "reasoning/wrong_hints.h"

#include <cmath>

#include "rules/marking.h"
#include "rules/texts.h"

namespace tallimor {

namespace {

int Draw(RandomSource& random, double range) { return static_cast<int>(std::floor(random.Draw() * range)); }

std::string First(const std::string& trials) { return trials.substr(0, 1); }
std::string Last(const std::string& trials) { return trials.substr(trials.size() - 1); }

// "error in Trial 3" or "errors in Trials 3 and 5", by the wrong hints given.
std::string Trialsphrase(const std::string& trials, size_t given) {
    if (trials.empty()) return "";
    if (given <= 1) return "error in Trial " + First(trials);
    return "errors in Trials " + First(trials) + " and " + Last(trials);
}

}  // namespace

std::string Geterrortrial(double average, RandomSource& random) {
    if (!std::isfinite(average) || average < 0) average = 0;
    const int e = Draw(random, average) + 1;
    if (e > 9) return "9";
    std::string trials = std::to_string(e);
    random.Reseed();
    if (Draw(random, 1000) > 750) {
        const int d = Draw(random, 5) + 1;
        if (e + d <= 9) trials += std::to_string(e + d);
    }
    return trials;
}

void Makeerror(GameState& g, WrongHintState& w) {
    Hint& h = g.Result;
    if (Iswin(g)) {
        w.WinHidden = true;
        w.WinTrial = g.Currenttrial;
    }
    w.TrueBlacks += static_cast<char>('0' + h.Blacks);
    w.TrueWhites += static_cast<char>('0' + h.Whites);
    if (h.Blacks > 0)
        --h.Blacks;
    else if (h.Whites > 0)
        --h.Whites;
    else
        h.Blacks = 1;
    w.ErrorPending = true;
}

Correctedhints Correcthints(GameState& g, WrongHintState& w, std::string& errorrecord) {
    Correctedhints corrected;
    for (size_t i = 0; i < w.TrueBlacks.size() && i < g.ErrorTrials.size() && i < w.TrueWhites.size(); ++i) {
        const int t = g.ErrorTrials[i] - '0';
        if (t < 1 || t >= kTrialRows) continue;
        TrialRecord& row = g.Record[static_cast<size_t>(t)];
        row.Trialblack = static_cast<int16_t>(w.TrueBlacks[i] - '0');
        row.Trialwhite = static_cast<int16_t>(w.TrueWhites[i] - '0');
        row.HintTotal =
            g.Settings.Fixedorder() ? row.Trialblack : static_cast<int16_t>(row.Trialblack + row.Trialwhite);
        corrected.emplace_back(t, row);
    }
    errorrecord = g.ErrorTrials + "*" + w.TrueBlacks + "*" + w.TrueWhites;
    g.ErrorTrials.clear();
    w.ErrorPending = false;
    return corrected;
}

Claimverdict Judgeclaim(const GameState& g, const WrongHintState& w) {
    const int start = g.Settings.Starttrial;
    if (w.DetectTrial == w.Checkedtrial + 1) return Claimverdict::Right;
    if (w.Checkedtrial + 1 == start && w.DetectTrial >= 1 && w.DetectTrial <= start - 1)
        return Claimverdict::Right;
    return w.DetectTrial != 0 ? Claimverdict::Late : Claimverdict::Consistent;
}

std::string Heytext(int hints) {
    return "Hey!  The " + Plural("hint", hints) + " you gave me " + Plural("is", hints) +
           " inconsistent!  I cannot continue. Please choose one option below.";
}

std::string Rightclaimtext(const GameState& g, const WrongHintState& w) {
    const size_t n = w.TrueBlacks.size();
    const std::string& t = g.ErrorTrials;
    const std::string where =
        n == 1 ? "is an error in Trial " + First(t) : "are errors in Trials " + First(t) + " and " + Last(t);
    return "You are right!  In fact, there " + where + ". Press the OK button. The " +
           Plural("error", static_cast<long>(n)) + " will be corrected and you may continue guessing.";
}

std::string Detectedtext(int hints, const WrongHintState& w) {
    return "I have detected an error in the " + Plural("hint", hints) + ". Press the OK button. The " +
           Plural("error", static_cast<long>(w.TrueBlacks.size())) +
           " will be corrected and I will continue guessing.";
}

std::string Latetext(const GameState& g, const WrongHintState& w) {
    const std::string& t = g.ErrorTrials;
    const std::string where = w.TrueBlacks.size() == 1
                                  ? "error occurred in Trial " + First(t)
                                  : "errors occurred in Trials " + First(t) + " and " + t.substr(1, 1);
    return "Too late!  In fact, the " + where + ". You should have detected it in Trial " +
           std::to_string(w.DetectTrial - 1) + ".";
}

std::string Consistenttext(int hints) {
    return "Sorry!  The " + Plural("hint", hints) + " I gave you " + Plural("is", hints) +
           " consistent. You may see a possible answer in the Possible Answer Frame.";
}

std::string Luckywintext(const GameState& g, const WrongHintState& w) {
    return "Well!  You have got the correct answer by pure luck. Haven't you noticed the " +
           Trialsphrase(g.ErrorTrials, w.TrueBlacks.size()) + "?";
}

std::string Hiddenwintext(bool player, const WrongHintState& w) {
    return "After correcting the " + Plural("error", static_cast<long>(w.TrueBlacks.size())) +
           ", it is found that " + (player ? "you" : "I") + " already got the correct answer at Trial " +
           std::to_string(w.WinTrial) + ".";
}

}  // namespace tallimor
