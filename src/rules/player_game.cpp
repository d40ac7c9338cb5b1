#include "rules/player_game.h"

#include "rules/code_string.h"
#include "rules/marking.h"
#include "rules/texts.h"

namespace tallimor {

const char* const kLastchancetext = "Please notice you only have one more chance to guess!";
const char* const kFiveminutestext = "Please notice this game is over in five minutes!";
const char* const kShowanswertext = "You may see the answer in the Answer Frame now.";

void Clearrec(GameState& g, bool keepAnswer) {
    if (!keepAnswer) {
        g.Answer.clear();
        g.Answerblanks = 0;
    }
    g.Currenttrial = 0;
    g.Finaltrial = 0;
    g.Attempts = 0;
    g.ErrorTrials.clear();
    g.Result = Hint{};
    g.Record.Clear();
}

void Playearlytrials(GameState& g) {
    for (int t = 1; t < g.Settings.Starttrial && t <= kLastTrial; ++t) {
        g.Currenttrial = static_cast<int16_t>(t);
        Makecode(g, MakeTarget::Guessstr);
        Mark(g);
        Processmark(g);
    }
}

ResultTexts Showresulttexts(const GameState& g) {
    const int blacks = g.Result.Blacks;
    const int whites = g.Result.Whites;
    ResultTexts texts;
    texts.trials = "Trial: " + std::to_string(g.Currenttrial);
    texts.correct = "You have got " + std::to_string(blacks) + " correct " + Plural("colour", blacks);
    if (g.Settings.Fixedorder()) {
        texts.correct += ".";
        return texts;
    }
    texts.correct += " in correct position.";
    texts.wrong = "You have got " + std::to_string(whites) + " correct " + Plural("colour", whites) +
                  " in wrong position.";
    return texts;
}

Prompts Getstringprompts(const GameState& g) {
    const std::string blanks = g.Settings.Fixedcodelength() ? "" : " Use 'b' to represent a blank space.";
    Prompts p;
    if (g.Settings.Computerguesses()) {
        if (g.Currenttrial == 0) {
            p.getstring = "Input a string for me to guess by dragging or double-clicking the colours.";
            p.input = "Input a string for me to guess below. Use numbers to represent colours.";
        } else {
            const std::string trial = std::to_string(g.Currenttrial);
            p.getstring =
                "Input a string for Trial " + trial + " by dragging or double-clicking the colours.";
            p.input = "Input a string for Trial " + trial + " below. Use numbers to represent colours.";
        }
        p.input += blanks;
        return p;
    }
    if (g.Gamestatus != GameStatus::Continueplaying && g.Settings.Errorsallowed() && g.Currenttrial > 0) {
        p.getstring = p.input =
            "Input your guess, or press the Error button, if you think there is an error.";
        p.errorButton = true;
        return p;
    }
    p.getstring = "Input your guess by dragging or double-clicking the colours.";
    p.input = "Input your guess below. Use numbers to represent colours." + blanks;
    return p;
}

std::string Wintext(int attempts, const std::string& recordtimetext) {
    return "Win!  You have tried " + std::to_string(attempts) + Plural(" time", attempts) + " and spent " +
           recordtimetext + ".";
}

std::string Gameovertext(const GameState& g, bool lasttrial) {
    if (!g.Settings.Playerguesses())
        return lasttrial ? "Gameover! I have already reached the last trial."
                         : "Time is up! You have already spent one hour.";
    if (g.Currenttrial == kLastTrial) return "Gameover! You have already reached the last trial.";
    return "Gameover! You have already spent one hour.";
}

std::string Choosetext(const std::string& text) { return text + "\nPlease choose one option below."; }

}  // namespace tallimor
