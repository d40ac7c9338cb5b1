#pragma once
// The computer as Codebreaker.  At every trial it plays the first code, in
// its own search order, that agrees with every hint received: first which
// colours and how many of each (the composition, decided trial by trial from
// the hint totals), then where they stand (the arrangement, from the black
// counts).  The search is incremental: a new hint extends the hypothesis that
// explained the earlier ones, or backtracks from it.

#include <string>

#include "reasoning/engine_state.h"
#include "rules/game_state.h"

namespace tallimor {

// How a search ends, for the game around it to act on.
struct Conclusion {
    enum class Kind {
        Getresult,     // ask the player, who marks, for the hint of Guessstr
        Delaytimer,    // let the next step run on the delay timer
        Errorcase,     // an Error claim has been judged: see DetectTrial
        Inconsistent,  // the hints cannot all be true
        Showbug,       // a state that no sound game reaches
    };
    Kind kind = Kind::Delaytimer;
    // Delaytimer: the trial is the computer's own (in the demo its pace is
    // set by the speed control); otherwise it is a given trial taken in.
    bool owntrial = false;
    std::string bugguess;  // Showbug: the guess to name ("" for none)
};

// The message of the "Bug" box.
std::string Showbugtext(const std::string& guess);

// Distribution helpers, on digit strings with one digit per slot.
// Each colour repeated by its count: ("21", "25") gives "225".
std::string Expandcounts(const std::string& counts, const std::string& colours);
// The next combination of positions (digits '1'..'8') in lexicographic order
// over positions 1 to `length`; false when `combination` was the last.
bool Nextcombination(std::string& combination, int length);

class Engine {
   public:
    Engine(GameState& game, EngineTables& tables, WrongHintState& wrong);

    // A random permutation of the colours in play, one draw per colour.
    void Drawcolourorder();
    // The computer marks its own guesses ("Watch computer play", or the
    // player let it mark); otherwise the player gives every hint.
    void Setcomputermarks(bool computerMarks) { computerMarks_ = computerMarks; }

    // The computer's next guess: takes in the hint of the trial just marked
    // (when there is one) and searches.  Ends in the conclusion step.
    Conclusion Getguess();
    // Raises the trial counter and searches from the present hypothesis.
    Conclusion Nextguess();
    // Derives the layers of the current trial from Guessstr.
    void Recordlayers();

   private:
    enum class Step { Composition, Candidate, Arrangement, NextfillFailure, Conclude };
    enum class Mode { Pursue, Oldadd };

    Conclusion Runsearch(Step step);
    Step Searchcomposition();
    void Firstchoice(int trial);
    int Countcommon(const std::string& multiset, int trial) const;
    bool Nextdistribution(Mode mode, const std::string& digits, const std::string& capacities,
                          const std::string& colours, std::string& work) const;
    void Buildassigned(int lastTrial);
    void Buildpools();
    void Fillassigned();
    void Fillfresh(int filled);
    Step Buildcandidate();
    Step Searcharrangement();
    bool Acceptable(int trial, const std::string& combination) const;
    void Applycombination(int trial);
    void Undocombination(int trial);
    bool Fillrest();
    Step Nextfillfailure();
    void Nextfillsuccess();
    bool Conclude(Conclusion& out);  // false: go on replaying
    bool Given(int trial) const;      // its recorded guess is played again
    bool Fullcheck(int trial) const;  // it is checked as a guess of the computer's own
    void Adjustsaturation(int trial, const std::string& choice, int sign);

    GameState& game_;
    EngineTables& tables_;
    WrongHintState& wrong_;
    bool computerMarks_ = true;

    // Work state of one search.
    std::string assigned_;
    int overlap_ = 0;
    int depth_ = 0;
    bool consistent_ = true;
    std::string poolAColours_, poolACaps_;
    int poolATotal_ = 0;
    std::string poolFColours_, poolFCaps_;
    int poolFTotal_ = 0;
    std::string extrafill_, freshfill_, freshcolours_;

    // Arrangement state.
    std::string remaining_;
    std::array<bool, 8> placed_{};
    std::array<std::string, kTrialRows> combination_;
    std::array<bool, kTrialRows> holding_{};
    std::array<std::array<int8_t, 8>, kTrialRows> takenSlot_{};
    std::array<int, 8> colourCursor_{};
};

}  // namespace tallimor
