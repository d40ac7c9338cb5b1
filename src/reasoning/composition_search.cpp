// The first level of the search: which colours, and how many of each, the
// code holds, decided trial by trial from the hint totals.

#include <algorithm>

#include "reasoning/engine.h"
#include "rules/code_string.h"

namespace tallimor {

namespace {

int Digit(char ch) { return ch - '0'; }
char Todigit(int n) { return static_cast<char>('0' + n); }
int Colourindex(char ch) { return ch - '0'; }

}  // namespace

void EngineTables::Clear() {
    MaxTested.fill(0);
    Saturation.fill(0);
    for (auto& s : TrialColours) s.clear();
    for (auto& s : TrialLayers) s.clear();
    for (auto& s : TrialChoice) s.clear();
    NoConsistentCode = false;
}

std::string Expandcounts(const std::string& counts, const std::string& colours) {
    std::string out;
    for (size_t i = 0; i < counts.size() && i < colours.size(); ++i)
        out.append(static_cast<size_t>(Digit(counts[i])), colours[i]);
    return out;
}

Engine::Engine(GameState& game, EngineTables& tables, WrongHintState& wrong)
    : game_(game), tables_(tables), wrong_(wrong) {}

void Engine::Drawcolourorder() {
    std::string pool = Colourdigits(game_.Settings);
    tables_.ColourOrder.clear();
    while (!pool.empty()) {
        size_t k = std::min(static_cast<size_t>(game_.Random.Draw() * static_cast<double>(pool.size())),
                            pool.size() - 1);
        tables_.ColourOrder += pool[k];
        pool.erase(k, 1);
    }
}

Conclusion Engine::Getguess() {
    if (game_.Currenttrial > 0) Recordlayers();
    return Nextguess();
}

void Engine::Recordlayers() {
    const int t = game_.Currenttrial;
    if (t < 0 || t >= kTrialRows) return;
    if (game_.Settings.Randomorder()) Sortcode(game_.Guessstr);
    std::string sorted = game_.Guessstr.substr(0, game_.Guessstr.find(kBlank));
    tables_.TrialColours[static_cast<size_t>(t)].clear();
    tables_.TrialLayers[static_cast<size_t>(t)].clear();
    for (size_t i = 0; i < sorted.size();) {
        size_t j = i;
        while (j < sorted.size() && sorted[j] == sorted[i]) ++j;
        const char c = sorted[i];
        const int n = static_cast<int>(j - i);
        int16_t& tested = tables_.MaxTested[static_cast<size_t>(Colourindex(c))];
        if (n > tested) {
            tables_.TrialColours[static_cast<size_t>(t)] += c;
            tables_.TrialLayers[static_cast<size_t>(t)] += Todigit(n - tested);
            tested = static_cast<int16_t>(n);
        }
        i = j;
    }
}

Conclusion Engine::Nextguess() {
    const int p = game_.Currenttrial;
    depth_ = p;
    consistent_ = true;
    ++game_.Currenttrial;
    if (game_.Currenttrial > 1) Firstchoice(p);
    return Runsearch(Step::Composition);
}

Conclusion Engine::Runsearch(Step step) {
    for (;;) {
        switch (step) {
            case Step::Composition:
                step = Searchcomposition();
                break;
            case Step::Candidate:
                step = Buildcandidate();
                break;
            case Step::Arrangement:
                step = Searcharrangement();
                break;
            case Step::NextfillFailure:
                step = Nextfillfailure();
                break;
            case Step::Conclude: {
                Conclusion out;
                if (Conclude(out)) return out;
                // An Error claim is being judged: take in the next recorded trial.
                Recordlayers();
                const int p = game_.Currenttrial;
                depth_ = p;
                consistent_ = true;
                ++game_.Currenttrial;
                if (game_.Currenttrial > 1) Firstchoice(p);
                step = Step::Composition;
                break;
            }
        }
    }
}

void Engine::Buildassigned(int lastTrial) {
    assigned_.clear();
    for (int t = 1; t <= lastTrial; ++t) {
        const std::string& colours = tables_.TrialColours[static_cast<size_t>(t)];
        const std::string& choice = tables_.TrialChoice[static_cast<size_t>(t)];
        for (size_t i = 0; i < colours.size() && i < choice.size(); ++i)
            assigned_.append(static_cast<size_t>(Digit(choice[i])), colours[i]);
    }
}

int Engine::Countcommon(const std::string& multiset, int trial) const {
    // The per-colour minimum of the two multisets; blanks never count.
    std::array<int, 10> inGuess{};
    for (char ch : game_.Record[trial].Trialguess)
        if (ch >= '0' && ch <= '9') ++inGuess[static_cast<size_t>(Colourindex(ch))];
    int common = 0;
    for (char ch : multiset) {
        if (ch < '0' || ch > '9') continue;
        int& left = inGuess[static_cast<size_t>(Colourindex(ch))];
        if (left > 0) {
            --left;
            ++common;
        }
    }
    return common;
}

void Engine::Adjustsaturation(int trial, const std::string& choice, int sign) {
    const std::string& colours = tables_.TrialColours[static_cast<size_t>(trial)];
    const std::string& layers = tables_.TrialLayers[static_cast<size_t>(trial)];
    for (size_t i = 0; i < colours.size() && i < choice.size(); ++i)
        tables_.Saturation[static_cast<size_t>(Colourindex(colours[i]))] +=
            static_cast<int16_t>(sign * (Digit(layers[i]) - Digit(choice[i])));
}

void Engine::Firstchoice(int t) {
    std::string& choice = tables_.TrialChoice[static_cast<size_t>(t)];
    choice.clear();
    Buildassigned(t - 1);
    overlap_ = Countcommon(assigned_, t);
    const int fresh = game_.Record[t].HintTotal - overlap_;
    const std::string& colours = tables_.TrialColours[static_cast<size_t>(t)];
    const std::string& layers = tables_.TrialLayers[static_cast<size_t>(t)];
    int capacity = 0;
    for (size_t i = 0; i < colours.size(); ++i)
        if (tables_.Saturation[static_cast<size_t>(Colourindex(colours[i]))] == 0)
            capacity += Digit(layers[i]);
    if (fresh < 0 || capacity < fresh ||
        static_cast<int>(assigned_.size()) + fresh > game_.Settings.Codelength) {
        // No choice for this trial; the saturation stays as it was.
        consistent_ = false;
        return;
    }
    int remaining = fresh;
    for (size_t i = 0; i < colours.size(); ++i) {
        const int layer = Digit(layers[i]);
        int16_t& saturation = tables_.Saturation[static_cast<size_t>(Colourindex(colours[i]))];
        int take = 0;
        if (saturation == 0) {
            take = std::min(layer, remaining);
            remaining -= take;
        }
        choice += Todigit(take);
        saturation = static_cast<int16_t>(saturation + layer - take);
    }
}

bool Engine::Nextdistribution(Mode mode, const std::string& digits, const std::string& capacities,
                              const std::string& colours, std::string& work) const {
    work = digits;
    const int n = static_cast<int>(work.size());
    for (;;) {
        int i = n - 1;
        while (i >= 1 && !(work[static_cast<size_t>(i)] < capacities[static_cast<size_t>(i)] &&
                           work[static_cast<size_t>(i - 1)] != '0'))
            --i;
        if (i < 1) return false;
        --work[static_cast<size_t>(i - 1)];
        int units = 1;
        for (int j = i; j < n; ++j) units += Digit(work[static_cast<size_t>(j)]);
        for (int j = i; j < n; ++j) {
            const int take = std::min(units, Digit(capacities[static_cast<size_t>(j)]));
            work[static_cast<size_t>(j)] = Todigit(take);
            units -= take;
        }
        if (mode == Mode::Oldadd) return true;
        // A colour that other trials have closed may take no copy here.
        bool closed = false;
        for (int j = 0; j < n && !closed; ++j) {
            if (work[static_cast<size_t>(j)] == '0') continue;
            const int own = Digit(capacities[static_cast<size_t>(j)]) - Digit(digits[static_cast<size_t>(j)]);
            closed =
                tables_.Saturation[static_cast<size_t>(Colourindex(colours[static_cast<size_t>(j)]))] - own !=
                0;
        }
        if (!closed) return true;
    }
}

bool Engine::Given(int trial) const {
    return trial < game_.Settings.Starttrial || trial <= wrong_.Checkedtrial;
}

bool Engine::Fullcheck(int trial) const {
    // The replay of an Error claim checks every recorded trial as a chosen
    // one, arrangement included: a "Random order" game whose hints fit some
    // colours but no placing of them is caught at the trial where it
    // happened.  The computer's own game takes its given trials in by their
    // colours alone.
    return !Given(trial) || game_.Settings.Playerguesses();
}

Engine::Step Engine::Searchcomposition() {
    const int L = game_.Settings.Codelength;
    for (;;) {
        const int last = game_.Currenttrial - 1;
        if (depth_ == last && consistent_) {
            Buildassigned(last);
            const int room = L - static_cast<int>(assigned_.size());
            if (room > 0) {
                Buildpools();
                if (room > poolATotal_ + poolFTotal_) {
                    consistent_ = false;
                    depth_ = game_.Currenttrial;
                }
            } else {
                poolAColours_.clear();
                poolACaps_.clear();
                poolFColours_.clear();
                poolFCaps_.clear();
                poolATotal_ = poolFTotal_ = 0;
            }
            if (consistent_) {
                if (!Fullcheck(game_.Currenttrial)) return Step::Conclude;
                Fillassigned();
                return Step::Candidate;
            }
        } else if (depth_ < last && consistent_) {
            ++depth_;
            Firstchoice(depth_);
            continue;
        }
        // Backtrack to the next choice of an earlier trial.
        for (;;) {
            --depth_;
            if (depth_ <= 0) {
                tables_.NoConsistentCode = true;
                return Step::Conclude;
            }
            std::string& choice = tables_.TrialChoice[static_cast<size_t>(depth_)];
            std::string next;
            if (Nextdistribution(Mode::Pursue, choice, tables_.TrialLayers[static_cast<size_t>(depth_)],
                                 tables_.TrialColours[static_cast<size_t>(depth_)], next)) {
                Adjustsaturation(depth_, choice, -1);
                Adjustsaturation(depth_, next, +1);
                choice = next;
                consistent_ = true;
                break;
            }
            Adjustsaturation(depth_, choice, -1);
            choice.clear();
        }
    }
}

void Engine::Buildpools() {
    const GameSettings& s = game_.Settings;
    poolAColours_.clear();
    poolACaps_.clear();
    poolFColours_.clear();
    poolFCaps_.clear();
    poolATotal_ = poolFTotal_ = 0;
    const std::string inPlay = Colourdigits(s);
    for (char c : tables_.ColourOrder) {
        if (inPlay.find(c) == std::string::npos) continue;
        const size_t ci = static_cast<size_t>(Colourindex(c));
        if (tables_.Saturation[ci] != 0 || tables_.MaxTested[ci] >= s.MaxRepeat) continue;
        const int capacity = s.MaxRepeat - tables_.MaxTested[ci];
        if (assigned_.find(c) != std::string::npos) {
            poolAColours_ += c;
            poolACaps_ += Todigit(capacity);
            poolATotal_ += capacity;
        } else {
            poolFColours_ += c;
            poolFCaps_ += Todigit(capacity);
            poolFTotal_ += capacity;
        }
    }
    if (s.Randomorder()) {
        poolAColours_ += kUnfilled;
        poolACaps_ += Todigit(s.Codelength);
    }
    if (s.Blankroom > 0) {
        poolFColours_ += kBlank;
        poolFCaps_ += Todigit(s.Blankroom);
        poolFTotal_ += s.Blankroom;
    }
}

void Engine::Fillassigned() {
    extrafill_.assign(poolAColours_.size(), '0');
    int room = game_.Settings.Codelength - static_cast<int>(assigned_.size());
    if (poolAColours_.empty() || room <= 0) return;
    for (size_t i = 0; i < extrafill_.size() && room > 0; ++i) {
        const int take = std::min(Digit(poolACaps_[i]), room);
        extrafill_[i] = Todigit(take);
        room -= take;
    }
}

void Engine::Fillfresh(int filled) {
    freshfill_.assign(poolFColours_.size(), '0');
    const int L = game_.Settings.Codelength;
    if (poolFColours_.empty() || filled >= L) return;
    const int need = L - filled;
    int placed = 0;
    // Halving: each untested colour takes about half of the room still open.
    while (placed < need) {
        bool progress = false;
        for (size_t i = 0; i < freshfill_.size() && placed < need; ++i) {
            const int left = Digit(poolFCaps_[i]) - Digit(freshfill_[i]);
            const int add = std::min(std::max((need - placed + 1) / 2, 1), left);
            if (add <= 0) continue;
            freshfill_[i] = Todigit(Digit(freshfill_[i]) + add);
            placed += add;
            progress = true;
        }
        if (!progress) break;  // not enough room: the callers check capacity first
    }
}

Engine::Step Engine::Buildcandidate() {
    const std::string partA = Expandcounts(extrafill_, poolAColours_);
    const int filled = static_cast<int>(partA.size() + assigned_.size());
    if (game_.Settings.Fixedorder()) {
        Fillfresh(filled);
        game_.Guessstr = Expandcounts(freshfill_, poolFColours_) + partA + assigned_;
        Sortcode(game_.Guessstr);
        return Step::Conclude;
    }
    const int k = Countchar(partA, kUnfilled);
    if (k > poolFTotal_) return Step::NextfillFailure;
    Fillfresh(filled - k);
    freshcolours_ = Expandcounts(freshfill_, poolFColours_);
    game_.Guessstr = partA + assigned_;
    return Step::Arrangement;
}

Engine::Step Engine::Nextfillfailure() {
    std::string next;
    if (Nextdistribution(Mode::Oldadd, extrafill_, poolACaps_, poolAColours_, next)) {
        extrafill_ = next;
        return Step::Candidate;
    }
    consistent_ = false;
    depth_ = game_.Currenttrial;
    return Step::Composition;
}

}  // namespace tallimor
