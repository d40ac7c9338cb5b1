// The panels of the game in which the computer guesses: the start trial, the
// marking question and the Ready prompt before the game, and the marking
// entry in which the player gives the computer's guess its hint.

#include <QKeyEvent>
#include <QRadioButton>

#include "ui/fmmain.h"
#include "ui/panel_widgets.h"

namespace tallimor {

using namespace panel;

namespace {

constexpr int kPrepheight = 136;
// A preparation panel stands over the idle picture (under its title) while no
// game is laid out yet, and in the guess input's place once the board is.
const QRect kOveridle(8 + (776 - kRightWidth) / 2, 284, kRightWidth, kPrepheight);
const QRect kResultarea(kRight, 216, kRightWidth, kBottom - 216);
constexpr int kOkleft = kRightWidth - 104;  // the OK of a preparation panel

QGroupBox* Makeprepframe(QWidget* parent, const char* name, const char* labelName, const char* question,
                         int questionHeight) {
    QGroupBox* frame = Makeframe(parent, name, "", kInputarea);
    frame->setStyleSheet(QString("QGroupBox#%1 { background: #f6eed9; border: 2px solid #6b4f2a; "
                                 "border-radius: 6px; }")
                             .arg(name));
    QLabel* label = Makelabel(frame, labelName, QRect(12, 12, kRightWidth - 24, questionHeight), question);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return frame;
}

QComboBox* Makecountlist(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

// A count box shows only what the module says it holds: it edits nothing itself.
QLineEdit* Makecountbox(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    return box;
}

}  // namespace

void Fmmain::Buildcomputerpanels(QWidget* central) {
    frtrialno_ = Makeprepframe(central, "Frtrialno", "Lbltrialno",
                               "Choose the trial number at which you want me to start guessing.", 40);
    cbtrialno_ = Makecountlist(frtrialno_, "Cbtrialno", QRect(12, 58, 70, 26));
    connect(cbtrialno_, &QComboBox::activated, this, [this](int index) {
        if (rendering_ || index < 0) return;
        Forward([&] { mod_.Cbtrialno_Click(cbtrialno_->itemText(index).toStdString()); });
    });
    cmdoktrial_ = Makebutton(frtrialno_, "Cmdoktrial", "OK", QRect(kOkleft, 96, 88, 28));
    connect(cmdoktrial_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdoktrial_Click(); }); });

    frmark_ = Makeprepframe(central, "Frmark", "Lblmark", "Shall I do the marking for you?", 22);
    optyesmark_ = new QRadioButton("Yes", frmark_);
    optyesmark_->setObjectName("Optyesmark");
    optyesmark_->move(24, 40);
    optnomark_ = new QRadioButton("No", frmark_);
    optnomark_->setObjectName("Optnomark");
    optnomark_->move(24, 66);
    // Only the option's mark and caption take a click: the button is made just that size.
    for (QRadioButton* option : {optyesmark_, optnomark_}) option->adjustSize();
    connect(optyesmark_, &QRadioButton::clicked, this, [this] { Forward([&] { mod_.Optyesmark_Click(); }); });
    connect(optnomark_, &QRadioButton::clicked, this, [this] { Forward([&] { mod_.Optnomark_Click(); }); });
    cmdokmark_ = Makebutton(frmark_, "Cmdokmark", "OK", QRect(kOkleft, 96, 88, 28));
    connect(cmdokmark_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdokmark_Click(); }); });

    fraskcode_ = Makeprepframe(central, "Fraskcode", "Lblaskcode",
                               "Now write down a secret code for me to guess. When you are ready, "
                               "press the Ready button.",
                               60);
    cmdready_ = Makebutton(fraskcode_, "Cmdready", "Ready", QRect(kOkleft, 96, 88, 28));
    connect(cmdready_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdready_Click(); }); });

    frgetresult_ = Makeframe(central, "Frgetresult", "Your Marking", kResultarea);
    lbltrials2_ = Makelabel(frgetresult_, "Lbltrials2", QRect(10, 20, 110, 20));
    lbltrials2_->setStyleSheet("QLabel { font-weight: bold; }");
    lblmyguess_ = Makelabel(frgetresult_, "Lblmyguess", QRect(120, 20, 246, 20));
    picguess_ = new CodeView(frgetresult_);
    picguess_->setObjectName("Picguess");
    picguess_->setGeometry(8, 42, kRightWidth - 16, 34);

    // The question of a count may take three lines: the count and how to claim a win.
    frgetcorr_ = Makeframe(frgetresult_, "Frgetcorr", "", QRect(8, 80, 360, 82));
    lblgetcorr_ = Makelabel(frgetcorr_, "Lblgetcorr", QRect(6, 4, 348, 50));
    cbcorrect_ = Makecountlist(frgetcorr_, "Cbcorrect", QRect(6, 54, 64, 24));
    txtcorrect_ = Makecountbox(frgetcorr_, "Txtcorrect", QRect(6, 54, 64, 24));
    frgetwrong_ = Makeframe(frgetresult_, "Frgetwrong", "", QRect(8, 164, 360, 58));
    lblgetwrong_ = Makelabel(frgetwrong_, "Lblgetwrong", QRect(6, 4, 348, 26));
    cbwrong_ = Makecountlist(frgetwrong_, "Cbwrong", QRect(6, 30, 64, 24));
    txtwrong_ = Makecountbox(frgetwrong_, "Txtwrong", QRect(6, 30, 64, 24));
    for (QLabel* l : {lblgetcorr_, lblgetwrong_}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    // A pick of a count, even of the one on show, is the player's answer.
    connect(cbcorrect_, &QComboBox::activated, this, [this](int index) {
        if (rendering_ || index < 0) return;
        Forward([&] { mod_.Cbcorrect_Click(cbcorrect_->itemText(index).toStdString()); });
    });
    connect(cbwrong_, &QComboBox::activated, this, [this](int index) {
        if (rendering_ || index < 0) return;
        Forward([&] { mod_.Cbwrong_Click(cbwrong_->itemText(index).toStdString()); });
    });
    // Keys are taken before the box sees them; a paste by mouse is undone.
    for (QLineEdit* box : {txtcorrect_, txtwrong_})
        connect(box, &QLineEdit::textEdited, this, [this] { Rendercomputer(*last_, true, *last_); });

    cmdgetresult_ = Makebutton(frgetresult_, "Cmdgetresult", "OK", QRect(92, 226, 88, 26));
    cmdwin_ = Makebutton(frgetresult_, "Cmdwin", "WIN", QRect(196, 226, 88, 26));
    connect(cmdgetresult_, &QPushButton::clicked, this,
            [this] { Forward([&] { mod_.Cmdgetresult_Click(); }); });
    connect(cmdwin_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdwin_Click(); }); });
}

bool Fmmain::Countkey(QObject* watched, const QKeyEvent* key) {
    if (watched != txtcorrect_ && watched != txtwrong_) return false;
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;  // focus moves on
    const auto handler =
        watched == txtcorrect_ ? &Tallimormod::Txtcorrect_KeyPress : &Tallimormod::Txtwrong_KeyPress;
    char typed = 0;
    if (key->key() == Qt::Key_Backspace) {
        typed = '\b';
    } else if (key->text().size() == 1 && key->text()[0].isPrint()) {
        typed = key->text()[0].toLatin1();  // 0 for a character beyond Latin-1: nothing to forward
    }
    if (typed) Forward([&] { (mod_.*handler)(typed); });
    return true;  // any other key (Delete, paste, undo) would be the box editing itself
}

void Fmmain::Rendercomputer(const Mainview& v, bool all, const Mainview& was) {
    rendering_ = true;
    Setlist(cbtrialno_, v.trialno);
    Setlist(cbcorrect_, v.entry.correct);
    Setlist(cbwrong_, v.entry.wrong);
    rendering_ = false;
    // A clicked option checks itself: the module's choice is set anew every time.
    (v.markYes ? optyesmark_ : optnomark_)->setChecked(true);

    const Resultentryview& e = v.entry;
    Settext(lbltrials2_, e.trials);
    Settext(lblmyguess_, e.myguess);
    if (all || e.guess != was.entry.guess) picguess_->Setcode(e.guess);
    Settext(lblgetcorr_, e.correctLabel);
    Settext(lblgetwrong_, e.wrongLabel);
    frgetwrong_->setVisible(e.wrongShown);
    for (QComboBox* list : {cbcorrect_, cbwrong_}) list->setVisible(!v.keyboard);
    for (QLineEdit* box : {txtcorrect_, txtwrong_}) box->setVisible(v.keyboard);
    Settext(txtcorrect_, e.correctText);
    Settext(txtwrong_, e.wrongText);
    cmdgetresult_->setEnabled(e.okEnabled);
    cmdwin_->setVisible(e.winShown);

    if (all || v.Shown(Panel::Picfore) != was.Shown(Panel::Picfore)) {
        const QRect place = v.Shown(Panel::Picfore) ? kOveridle : kInputarea;
        for (QWidget* frame : {frtrialno_, frmark_, fraskcode_}) frame->setGeometry(place);
    }
}

}  // namespace tallimor
