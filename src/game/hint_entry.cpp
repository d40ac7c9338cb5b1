// The player marks the computer's guess: the entry panel, the counts it
// offers (never more than the guess can get), the typed counts, OK and WIN.

#include <algorithm>

#include "game/tallimormod.h"
#include "rules/code_string.h"

namespace tallimor {

namespace {

Listview Counts(int largest, int keep) {
    Listview list;
    for (int v = 0; v <= largest; ++v) list.items.push_back(std::to_string(v));
    list.shown = keep <= largest ? keep : 0;
    return list;
}

int Value(const std::string& text) { return text.empty() ? 0 : text[0] - '0'; }

// A count box takes Backspace, or one digit up to `largest` while it is
// empty; false when the key is refused.
bool Countkey(std::string& text, char key, int largest) {
    if (key == '\b') {
        if (!text.empty()) text.pop_back();
        return true;
    }
    if (!text.empty() || key < '0' || key > '9' || key - '0' > largest) return false;
    text = key;
    return true;
}

}  // namespace

void Tallimormod::Getresult() {
    Show(Panel::Frgetresult);
    wait_.Setdirect(Wait::Frgetresult);
    Showstatus();
    const bool playing = g_.Playing();
    const bool fixed = g_.Settings.Fixedorder();
    marking_.entry.trials = "Trial: " + std::to_string(g_.Currenttrial);
    marking_.entry.myguess = playing ? "My guess is" : "Your input is";
    g_.Guessblanks = static_cast<int16_t>(Countchar(g_.Guessstr, kBlank));
    marking_.entry.guess = g_.Guessstr;
    Fillcounts();
    marking_.entry.winShown = playing;
    const char* const win = "\nIf I have got the correct answer, please press WIN.";
    if (fixed) {
        marking_.entry.correctLabel =
            playing ? std::string("How many correct colours have I got?") + win : "How many correct colours?";
        marking_.entry.wrongLabel.clear();
    } else {
        marking_.entry.correctLabel =
            playing ? std::string("How many correct colours have I got in correct position?") + win
                    : "How many correct colours in correct position?";
        marking_.entry.wrongLabel = playing ? "How many correct colours have I got in wrong position?"
                                            : "How many correct colours in wrong position?";
    }
    marking_.entry.wrongShown = !fixed;
    if (g_.Currenttrial >= g_.Settings.Starttrial) menus_.Mnusaving = true;
}

// The lists start from nothing given; typed counts start empty.
void Tallimormod::Fillcounts() {
    marking_.entry.correct = Counts(Largestblack(0), 0);
    marking_.entry.wrong = Counts(Largestwhite(0), 0);
    marking_.entry.correctText.clear();
    marking_.entry.wrongText.clear();
    marking_.listPicked = false;
    marking_.entry.okEnabled = false;
}

int Tallimormod::Largestblack(int white) const {
    const int L = g_.Settings.Codelength, blanks = g_.Guessblanks;
    int largest = L - blanks - white;
    // All but one in place and one elsewhere cannot be, when every position holds a colour.
    if (white == 1 && blanks == 0) largest = L - 2;
    // A full count is given with WIN.
    if (largest >= L) largest = L - 1;
    return std::max(largest, 0);
}

int Tallimormod::Largestwhite(int black) const {
    const int L = g_.Settings.Codelength;
    if (black == L - 1) return 0;
    return std::max(L - g_.Guessblanks - black, 0);
}

void Tallimormod::Cbcorrect_Click(const std::string& text) {
    if (!Isshown(Panel::Frgetresult) || input_.keyboard) return;
    const auto it = std::find(marking_.entry.correct.items.begin(), marking_.entry.correct.items.end(), text);
    if (it == marking_.entry.correct.items.end()) return;
    marking_.entry.correct.shown = static_cast<int>(it - marking_.entry.correct.items.begin());
    if (g_.Settings.Randomorder())
        marking_.entry.wrong = Counts(Largestwhite(marking_.entry.correct.shown), marking_.entry.wrong.shown);
    marking_.listPicked = true;
    Resultok();
}

void Tallimormod::Cbwrong_Click(const std::string& text) {
    if (!Isshown(Panel::Frgetresult) || input_.keyboard || g_.Settings.Fixedorder()) return;
    const auto it = std::find(marking_.entry.wrong.items.begin(), marking_.entry.wrong.items.end(), text);
    if (it == marking_.entry.wrong.items.end()) return;
    marking_.entry.wrong.shown = static_cast<int>(it - marking_.entry.wrong.items.begin());
    marking_.entry.correct = Counts(Largestblack(marking_.entry.wrong.shown), marking_.entry.correct.shown);
    marking_.listPicked = true;
    Resultok();
}

void Tallimormod::Txtcorrect_KeyPress(char key) {
    if (!Isshown(Panel::Frgetresult) || !input_.keyboard) return;
    if (Countkey(marking_.entry.correctText, key, Largestblack(Value(marking_.entry.wrongText)))) Resultok();
}

void Tallimormod::Txtwrong_KeyPress(char key) {
    if (!Isshown(Panel::Frgetresult) || !input_.keyboard || g_.Settings.Fixedorder()) return;
    if (Countkey(marking_.entry.wrongText, key, Largestwhite(Value(marking_.entry.correctText)))) Resultok();
}

void Tallimormod::Resultok() {
    if (!input_.keyboard)
        marking_.entry.okEnabled = marking_.listPicked;
    else
        marking_.entry.okEnabled = !marking_.entry.correctText.empty() &&
                                   (g_.Settings.Fixedorder() || !marking_.entry.wrongText.empty());
}

void Tallimormod::Cmdgetresult_Click() {
    if (!Isshown(Panel::Frgetresult) || !marking_.entry.okEnabled) return;
    const bool fixed = g_.Settings.Fixedorder();
    if (input_.keyboard) {
        g_.Result = {static_cast<int16_t>(Value(marking_.entry.correctText)),
                     static_cast<int16_t>(fixed ? 0 : Value(marking_.entry.wrongText)), 0};
    } else {
        g_.Result = {static_cast<int16_t>(marking_.entry.correct.shown),
                     static_cast<int16_t>(fixed ? 0 : marking_.entry.wrong.shown), 0};
    }
    Hide(Panel::Frgetresult);
    Showrecord(g_.Currenttrial);
    Record();
    if (g_.Gamestatus == GameStatus::Preparation) {
        if (g_.Currenttrial < g_.Settings.Starttrial - 1) {
            ++g_.Currenttrial;
            Getstring();
        } else {
            g_.Currenttrial = 0;  // the computer takes these trials in as given
            Startplay();
        }
    } else if (g_.Currenttrial >= kLastTrial) {
        Gameover(true);
    } else {
        Getguess();
    }
}

void Tallimormod::Cmdwin_Click() {
    if (!Isshown(Panel::Frgetresult) || !marking_.entry.winShown) return;
    g_.Result = {static_cast<int16_t>(g_.Settings.Codelength - g_.Guessblanks), 0, 0};
    Hide(Panel::Frgetresult);
    Showrecord(g_.Currenttrial);
    Record();
    Win();
}

}  // namespace tallimor
