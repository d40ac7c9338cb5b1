// The player's input of a guess: the prompt, the Colour Panel and the guess
// row (mouse), the typed digits (keyboard), the switch between the two, and
// the submitted guess.

#include "game/tallimormod.h"
#include "rules/code_string.h"
#include "rules/marking.h"

namespace tallimor {

namespace {

// Why the row did not take a colour: the colour is used up, or no position is left.
Inputrefusal Colourrefusal(const GuessRow& row, int colour) {
    return row.Hasborder(colour) ? Inputrefusal::Full : Inputrefusal::Repeat;
}

}  // namespace

void Tallimormod::Getstring() {
    const GameSettings& s = g_.Settings;
    Showsetting();
    if (g_.Playing() && g_.Currenttrial > 0) {
        menus_.Mnusaving = menus_.Mnuend = menus_.Mnuoption = true;
    }
    row_.Reset(s);
    prompts_ = Getstringprompts(g_);
    Show(Panel::Frerror, prompts_.errorButton);
    Show(Panel::Frgetstring, !keyboard_);
    Show(Panel::Frinput, keyboard_);
    inputText_.clear();
    typed_.Clear();
    Show(Panel::Frcolour);
    subcol_ = subnum_ = false;
    refusal_ = Inputrefusal::None;
    g_.Guessblanks = s.Codelength;
    if (s.Playerguesses()) {
        wait_.Setdirect(Wait::Frgetstring1);
        Showstatus();
    } else {
        Setwait(Wait::Frgetstring2);
    }
}

void Tallimormod::Mnumouse_Click() {
    if (!keyboard_) return;
    keyboard_ = false;
    if (Isshown(Panel::Frgetresult)) Fillcounts();  // nothing typed is carried over
    if (!Entering()) return;
    refusal_ = Inputrefusal::None;
    Hide(Panel::Frinput);
    row_.Clear();
    Show(Panel::Frgetstring);
    Submitok();
}

void Tallimormod::Mnukey_Click() {
    if (keyboard_) return;
    keyboard_ = true;
    if (Isshown(Panel::Frgetresult)) Fillcounts();  // nothing picked is carried over
    if (!Entering()) return;
    refusal_ = Inputrefusal::None;
    Hide(Panel::Frgetstring);
    Show(Panel::Frinput);
    inputText_.clear();
    typed_.Clear();
    row_.Clear();
    subnum_ = false;
}

void Tallimormod::Setdisplay(Displaymode mode) {
    // The board and the answer keep what they show and draw it in the new mode.
    display_ = mode;
}

void Tallimormod::Submitok() {
    refusal_ = Inputrefusal::None;  // the row has just taken a change
    g_.Guessblanks = static_cast<int16_t>(row_.Guessblanks());
    subcol_ = row_.Submitok();
}

void Tallimormod::Lblcolour_MouseDown(int colour) {
    if (Isshown(Panel::Frinput)) refusal_ = Inputrefusal::Keyboard;
    if (Isshown(Panel::Frgetstring) && !row_.Hasborder(colour)) refusal_ = Inputrefusal::Repeat;
}

void Tallimormod::Lblcolour_DblClick(int colour) {
    if (Isshown(Panel::Frinput)) refusal_ = Inputrefusal::Keyboard;
    if (!Isshown(Panel::Frgetstring)) return;
    if (row_.Fillcolour(colour))
        Submitok();
    else
        refusal_ = Colourrefusal(row_, colour);
}

void Tallimormod::Lblstring_DblClick(int position) {
    if (!Isshown(Panel::Frgetstring)) return;
    if (row_.Emptyposition(position)) Submitok();
}

void Tallimormod::Lblstring_DragDrop(DragSource source, int position) {
    if (!Isshown(Panel::Frgetstring)) return;
    const bool colour = source.kind == DragSource::Colour;
    if (colour ? row_.Dropcolour(source.index, position) : row_.Moveposition(source.index, position)) {
        Submitok();
        return;
    }
    const bool fixed = g_.Settings.Fixedorder();
    // A drop that changes nothing (a colour on itself, a position on itself) needs no word.
    if (colour && (fixed || row_.Cell(position) != source.index) && position >= 0 && position < row_.Length())
        refusal_ = Colourrefusal(row_, source.index);
    else if (!colour && fixed && source.index != position)
        refusal_ = Inputrefusal::Order;
}

void Tallimormod::Frcolour_DragDrop(DragSource source) {
    if (!Isshown(Panel::Frgetstring) || source.kind != DragSource::Position) return;
    if (row_.Emptyposition(source.index)) Submitok();
}

void Tallimormod::Cmdsubcol_Click() {
    if (!Isshown(Panel::Frgetstring)) return;
    if (!subcol_) {
        // Too many empty positions: with a fixed length, any at all.
        refusal_ = g_.Settings.Blankroom > 0 ? Inputrefusal::Blanks : Inputrefusal::Unfilled;
        return;
    }
    g_.Guessstr = row_.Codestring();
    Submitguess();
}

void Tallimormod::Txtinput_Change(const std::string& text) {
    if (!Isshown(Panel::Frinput)) return;
    const TypedInput::Outcome out = typed_.Txtinput_Change(g_.Settings, text);
    inputText_ = out.text;
    subnum_ = out.submitEnabled;
    refusal_ = out.why;
}

void Tallimormod::Cmdsubnum_Click() {
    if (!Isshown(Panel::Frinput)) return;
    if (!subnum_) {
        refusal_ = Inputrefusal::Unfilled;
        return;
    }
    g_.Guessstr = inputText_;
    g_.Guessblanks = static_cast<int16_t>(Countchar(g_.Guessstr, kBlank));
    Submitguess();
}

void Tallimormod::Submitguess() {
    refusal_ = Inputrefusal::None;
    for (Panel p : {Panel::Frsetting, Panel::Frgetstring, Panel::Frinput, Panel::Frcolour, Panel::Frerror})
        Hide(p);
    menus_.Mnusaving = false;
    if (g_.Playing()) menus_.Mnuend = menus_.Mnuoption = false;
    const Refusal refusal = Checksubmission(g_, g_.Settings.Computerguesses() && computerMarks_);
    if (refusal != Refusal::None) {
        Messagebox(Message::Same, Refusaltext(refusal), Afterbox::Getstring);
        return;
    }
    if (!g_.Settings.Playerguesses()) {
        Computercode();
        return;
    }
    const bool showHint = Mark(g_);
    if (Iswin(g_)) {
        Showrecord(g_.Currenttrial);
        Record();
        Win();
    } else if (showHint) {
        Showresult();
    }
}

}  // namespace tallimor
