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
    input_.row.Reset(s);
    screen_.prompts = Getstringprompts(g_);
    Show(Panel::Frerror, screen_.prompts.errorButton);
    Show(Panel::Frgetstring, !input_.keyboard);
    Show(Panel::Frinput, input_.keyboard);
    input_.text.clear();
    input_.typed.Clear();
    Show(Panel::Frcolour);
    screen_.subcol = screen_.subnum = false;
    screen_.refusal = Inputrefusal::None;
    g_.Guessblanks = s.Codelength;
    if (s.Playerguesses()) {
        wait_.Setdirect(Wait::Frgetstring1);
        Showstatus();
    } else {
        Setwait(Wait::Frgetstring2);
    }
}

void Tallimormod::Mnumouse_Click() {
    if (!input_.keyboard) return;
    input_.keyboard = false;
    if (Isshown(Panel::Frgetresult)) Fillcounts();  // nothing typed is carried over
    if (!Entering()) return;
    screen_.refusal = Inputrefusal::None;
    Hide(Panel::Frinput);
    input_.row.Clear();
    Show(Panel::Frgetstring);
    Submitok();
}

void Tallimormod::Mnukey_Click() {
    if (input_.keyboard) return;
    input_.keyboard = true;
    if (Isshown(Panel::Frgetresult)) Fillcounts();  // nothing picked is carried over
    if (!Entering()) return;
    screen_.refusal = Inputrefusal::None;
    Hide(Panel::Frgetstring);
    Show(Panel::Frinput);
    input_.text.clear();
    input_.typed.Clear();
    input_.row.Clear();
    screen_.subnum = false;
}

void Tallimormod::Setdisplay(Displaymode mode) {
    // The board and the answer keep what they show and draw it in the new mode.
    screen_.display = mode;
}

void Tallimormod::Submitok() {
    screen_.refusal = Inputrefusal::None;  // the row has just taken a change
    g_.Guessblanks = static_cast<int16_t>(input_.row.Guessblanks());
    screen_.subcol = input_.row.Submitok();
}

void Tallimormod::Lblcolour_MouseDown(int colour) {
    if (Isshown(Panel::Frinput)) screen_.refusal = Inputrefusal::Keyboard;
    if (Isshown(Panel::Frgetstring) && !input_.row.Hasborder(colour)) screen_.refusal = Inputrefusal::Repeat;
}

void Tallimormod::Lblcolour_DblClick(int colour) {
    if (Isshown(Panel::Frinput)) screen_.refusal = Inputrefusal::Keyboard;
    if (!Isshown(Panel::Frgetstring)) return;
    if (input_.row.Fillcolour(colour))
        Submitok();
    else
        screen_.refusal = Colourrefusal(input_.row, colour);
}

void Tallimormod::Lblstring_DblClick(int position) {
    if (!Isshown(Panel::Frgetstring)) return;
    if (input_.row.Emptyposition(position)) Submitok();
}

void Tallimormod::Lblstring_DragDrop(DragSource source, int position) {
    if (!Isshown(Panel::Frgetstring)) return;
    const bool colour = source.kind == DragSource::Colour;
    if (colour ? input_.row.Dropcolour(source.index, position)
               : input_.row.Moveposition(source.index, position)) {
        Submitok();
        return;
    }
    const bool fixed = g_.Settings.Fixedorder();
    // A drop that changes nothing (a colour on itself, a position on itself) needs no word.
    if (colour && (fixed || input_.row.Cell(position) != source.index) && position >= 0 &&
        position < input_.row.Length())
        screen_.refusal = Colourrefusal(input_.row, source.index);
    else if (!colour && fixed && source.index != position)
        screen_.refusal = Inputrefusal::Order;
}

void Tallimormod::Frcolour_DragDrop(DragSource source) {
    if (!Isshown(Panel::Frgetstring) || source.kind != DragSource::Position) return;
    if (input_.row.Emptyposition(source.index)) Submitok();
}

void Tallimormod::Cmdsubcol_Click() {
    if (!Isshown(Panel::Frgetstring)) return;
    if (!screen_.subcol) {
        // Too many empty positions: with a fixed length, any at all.
        screen_.refusal = g_.Settings.Blankroom > 0 ? Inputrefusal::Blanks : Inputrefusal::Unfilled;
        return;
    }
    g_.Guessstr = input_.row.Codestring();
    Submitguess();
}

void Tallimormod::Txtinput_Change(const std::string& text) {
    if (!Isshown(Panel::Frinput)) return;
    const TypedInput::Outcome out = input_.typed.Txtinput_Change(g_.Settings, text);
    input_.text = out.text;
    screen_.subnum = out.submitEnabled;
    screen_.refusal = out.why;
}

void Tallimormod::Cmdsubnum_Click() {
    if (!Isshown(Panel::Frinput)) return;
    if (!screen_.subnum) {
        screen_.refusal = Inputrefusal::Unfilled;
        return;
    }
    g_.Guessstr = input_.text;
    g_.Guessblanks = static_cast<int16_t>(Countchar(g_.Guessstr, kBlank));
    Submitguess();
}

void Tallimormod::Submitguess() {
    screen_.refusal = Inputrefusal::None;
    for (Panel p : {Panel::Frsetting, Panel::Frgetstring, Panel::Frinput, Panel::Frcolour, Panel::Frerror})
        Hide(p);
    menus_.Mnusaving = false;
    if (g_.Playing()) menus_.Mnuend = menus_.Mnuoption = false;
    const Refusal refusal = Checksubmission(g_, g_.Settings.Computerguesses() && marking_.computerMarks);
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
