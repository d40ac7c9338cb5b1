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
    entry_.trials = "Trial: " + std::to_string(g_.Currenttrial);
    entry_.myguess = playing ? "My guess is" : "Your input is";
    g_.Guessblanks = static_cast<int16_t>(Countchar(g_.Guessstr, kBlank));
    entry_.guess = g_.Guessstr;
    Fillcounts();
    entry_.winShown = playing;
    const char* const win = "\nIf I have got the correct answer, please press WIN.";
    if (fixed) {
        entry_.correctLabel =
            playing ? std::string("How many correct colours have I got?") + win : "How many correct colours?";
        entry_.wrongLabel.clear();
    } else {
        entry_.correctLabel =
            playing ? std::string("How many correct colours have I got in correct position?") + win
                    : "How many correct colours in correct position?";
        entry_.wrongLabel = playing ? "How many correct colours have I got in wrong position?"
                                    : "How many correct colours in wrong position?";
    }
    entry_.wrongShown = !fixed;
    if (g_.Currenttrial >= g_.Settings.Starttrial) menus_.Mnusaving = true;
}

// The lists start from nothing given; typed counts start empty.
void Tallimormod::Fillcounts() {
    entry_.correct = Counts(Largestblack(0), 0);
    entry_.wrong = Counts(Largestwhite(0), 0);
    entry_.correctText.clear();
    entry_.wrongText.clear();
    listPicked_ = false;
    entry_.okEnabled = false;
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
    if (!Isshown(Panel::Frgetresult) || keyboard_) return;
    const auto it = std::find(entry_.correct.items.begin(), entry_.correct.items.end(), text);
    if (it == entry_.correct.items.end()) return;
    entry_.correct.shown = static_cast<int>(it - entry_.correct.items.begin());
    if (g_.Settings.Randomorder())
        entry_.wrong = Counts(Largestwhite(entry_.correct.shown), entry_.wrong.shown);
    listPicked_ = true;
    Resultok();
}

void Tallimormod::Cbwrong_Click(const std::string& text) {
    if (!Isshown(Panel::Frgetresult) || keyboard_ || g_.Settings.Fixedorder()) return;
    const auto it = std::find(entry_.wrong.items.begin(), entry_.wrong.items.end(), text);
    if (it == entry_.wrong.items.end()) return;
    entry_.wrong.shown = static_cast<int>(it - entry_.wrong.items.begin());
    entry_.correct = Counts(Largestblack(entry_.wrong.shown), entry_.correct.shown);
    listPicked_ = true;
    Resultok();
}

void Tallimormod::Txtcorrect_KeyPress(char key) {
    if (!Isshown(Panel::Frgetresult) || !keyboard_) return;
    if (Countkey(entry_.correctText, key, Largestblack(Value(entry_.wrongText)))) Resultok();
}

void Tallimormod::Txtwrong_KeyPress(char key) {
    if (!Isshown(Panel::Frgetresult) || !keyboard_ || g_.Settings.Fixedorder()) return;
    if (Countkey(entry_.wrongText, key, Largestwhite(Value(entry_.correctText)))) Resultok();
}

void Tallimormod::Resultok() {
    if (!keyboard_)
        entry_.okEnabled = listPicked_;
    else
        entry_.okEnabled =
            !entry_.correctText.empty() && (g_.Settings.Fixedorder() || !entry_.wrongText.empty());
}

void Tallimormod::Cmdgetresult_Click() {
    if (!Isshown(Panel::Frgetresult) || !entry_.okEnabled) return;
    const bool fixed = g_.Settings.Fixedorder();
    if (keyboard_) {
        g_.Result = {static_cast<int16_t>(Value(entry_.correctText)),
                     static_cast<int16_t>(fixed ? 0 : Value(entry_.wrongText)), 0};
    } else {
        g_.Result = {static_cast<int16_t>(entry_.correct.shown),
                     static_cast<int16_t>(fixed ? 0 : entry_.wrong.shown), 0};
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
    if (!Isshown(Panel::Frgetresult) || !entry_.winShown) return;
    g_.Result = {static_cast<int16_t>(g_.Settings.Codelength - g_.Guessblanks), 0, 0};
    Hide(Panel::Frgetresult);
    Showrecord(g_.Currenttrial);
    Record();
    Win();
}

}  // namespace tallimor
