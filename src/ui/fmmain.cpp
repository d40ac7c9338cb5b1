#include "ui/fmmain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include "records/start_trial.h"
#include "rules/code_string.h"
#include "rules/marking.h"
#include "rules/player_game.h"
#include "ui/fmmessage.h"

namespace tallimor {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Withslash(QString folder) {
    if (!folder.endsWith('/')) folder += '/';
    return folder;
}

QLabel* Makelabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QPushButton* Makebutton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* Makeframe(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    return frame;
}

void Setdefault(QPushButton* button, bool isDefault) { button->setDefault(isDefault); }

constexpr int kRight = 408;  // left edge of the right-hand column
constexpr int kRightWidth = 376;

}  // namespace

QString Programfolder() { return Withslash(QCoreApplication::applicationDirPath()); }

QString Recordsfolder(const QString& programFolder) {
    const QFileInfo folder(programFolder);
    if (folder.isDir() && folder.isWritable()) return Withslash(programFolder);
    const QString data = Withslash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // The first time, start from the records the program came with.
    const QDir seeded(Withslash(programFolder) + "Winners");
    if (!QDir(data + "Winners").exists() && seeded.exists()) {
        QDir().mkpath(data + "Winners");
        for (const QString& name : seeded.entryList({"Winners*"}, QDir::Files))
            QFile::copy(seeded.filePath(name), data + "Winners/" + name);
    }
    QDir().mkpath(data);
    return data;
}

Fmmain::Fmmain(const QString& programFolder, TimeSource clock, QWidget* parent)
    : QMainWindow(parent),
      programFolder_(Withslash(programFolder)),
      recordsFolder_(Recordsfolder(programFolder_)),
      clock_(clock),
      wait_(clock),
      tmrwait_(new QTimer(this)),
      tmrrec_(new QTimer(this)),
      tmrbuffer_(new QTimer(this)) {
    setObjectName("Fmmain");
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Backgroundcolour());
    setPalette(pal);

    tmrwait_->setObjectName("Tmrwait");
    tmrwait_->setInterval(1000);
    connect(tmrwait_, &QTimer::timeout, this, &Fmmain::Tmrwait_Timer);
    tmrrec_->setObjectName("Tmrrec");
    tmrrec_->setInterval(100);
    connect(tmrrec_, &QTimer::timeout, this, &Fmmain::Tmrrec_Timer);
    tmrbuffer_->setObjectName("Tmrbuffer");
    tmrbuffer_->setInterval(1);
    tmrbuffer_->setSingleShot(true);
    connect(tmrbuffer_, &QTimer::timeout, this, &Fmmain::Tmrbuffer_Timer);

    Buildmenus();
    Buildpanels();
    setFixedSize(792, 548);

    // The load ends on the idle screen with mouse input and colour display.
    Refreshlists();
    Finishgame();
}

Fmmain::~Fmmain() = default;

// ---------------------------------------------------------------- building

void Fmmain::Buildmenus() {
    mnugame_ = menuBar()->addMenu("Game(&G)");
    mnugame_->setObjectName("Mnugame");
    auto add = [this](QMenu* menu, const char* name, const QString& caption, QKeySequence key,
                      void (Fmmain::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (!key.isEmpty()) action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    mnuset_ = add(mnugame_, "Mnuset", "Game Setting(&G)", Qt::Key_F1, &Fmmain::Mnuset_Click);
    mnunew_ = add(mnugame_, "Mnunew", "New Game(&N)", Qt::Key_F2, &Fmmain::Mnunew_Click);
    mnuend_ = add(mnugame_, "Mnuend", "End Game(&E)", Qt::Key_F5, &Fmmain::Mnuend_Click);
    mnugame_->addSeparator();
    mnuquit_ = add(mnugame_, "Mnuquit", "Quit(&Q)", Qt::Key_F6, &Fmmain::Mnuquit_Click);

    mnuoption_ = menuBar()->addMenu("Options(&O)");
    mnuoption_->setObjectName("Mnuoption");
    QMenu* input = mnuoption_->addMenu("Input Method(&I)");
    input->setObjectName("Mnuinput");
    mnumouse_ = add(input, "Mnumouse", "Mouse(&M)", {}, &Fmmain::Mnumouse_Click);
    mnukey_ = add(input, "Mnukey", "Keyboard(&K)", {}, &Fmmain::Mnukey_Click);
    QMenu* display = mnuoption_->addMenu("Display Mode(&D)");
    display->setObjectName("Mnudisplay");
    mnucolour_ = add(display, "Mnucolour", "Colour(&C)", {}, &Fmmain::Mnucolour_Click);
    mnunumber_ = add(display, "Mnunumber", "Number(&N)", {}, &Fmmain::Mnunumber_Click);
    for (QAction* a : {mnumouse_, mnukey_, mnucolour_, mnunumber_}) a->setCheckable(true);
    mnumouse_->setChecked(true);
    mnucolour_->setChecked(true);
}

void Fmmain::Buildpanels() {
    auto* central = new QWidget(this);
    central->setObjectName("Central");
    setCentralWidget(central);

    picfore_ = new IdlePicture(central);
    picfore_->setObjectName("Picfore");
    picfore_->setGeometry(8, 8, 776, 484);

    picupper_ = Makelabel(central, "Picupper", QRect(8, 8, 392, 22));
    picupper_->setText("   Trial      Guess and hint");
    picupper_->setStyleSheet("QLabel { background: #6b4f2a; color: #f6eed9; font-weight: bold; }");
    picrecord_ = new RecordBoard(central);
    picrecord_->setObjectName("Picrecord");
    picrecord_->setGeometry(8, 30, 392, 462);

    Buildsettingmenu(central);

    frsetting_ = Makeframe(central, "Frsetting", "Game Setting", QRect(kRight, 2, kRightWidth, 152));
    lblsettitle_ = Makelabel(frsetting_, "Lblsettitle", QRect(10, 18, 170, 130), Q(Settitletext()));
    lblsetcontent_ = Makelabel(frsetting_, "Lblsetcontent", QRect(182, 18, 188, 130));
    for (QLabel* l : {lblsettitle_, lblsetcontent_}) l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblsetcontent_->setStyleSheet("QLabel { color: #14407a; }");

    lbltime_ = Makelabel(central, "Lbltime", QRect(kRight + 4, 156, kRightWidth - 8, 22));
    lbltime_->setStyleSheet("QLabel { font-weight: bold; color: #7a1d14; }");

    franswer_ = Makeframe(central, "Franswer", "Answer", QRect(kRight, 178, kRightWidth, 56));
    picanswer_ = new CodeView(franswer_);
    picanswer_->setObjectName("Picanswer");
    picanswer_->setGeometry(8, 18, kRightWidth - 16, 34);

    frcolour_ = new DropPanel("Colour Panel", central);
    frcolour_->setObjectName("Frcolour");
    frcolour_->setGeometry(kRight, 236, kRightWidth, 74);
    frcolour_->Dropped = [this](DragSource s) { Frcolour_DragDrop(s); };
    for (int c = 0; c < 10; ++c) {
        auto* cell = new PieceCell({DragSource::Colour, c}, QString("Piccolour%1").arg(c),
                                   QString("Lblcolour%1").arg(c), frcolour_);
        cell->move(10 + c * 36, 22);
        cell->Setcolour(Panelcolour(c));
        cell->Setcaption(QString::number(c));
        cell->Candrag = [this, c] { return Entering() && !keyboard_ && row_.Hasborder(c); };
        cell->Doubleclicked = [this, c] { Lblcolour_DblClick(c); };
        // A position dropped back on a colour goes back to the panel.
        cell->Dropped = [this](DragSource s) { Frcolour_DragDrop(s); };
        colourcells_[static_cast<size_t>(c)] = cell;
    }

    const QRect inputArea(kRight, 312, kRightWidth, 136);
    frgetstring_ = Makeframe(central, "Frgetstring", "Your Guess", inputArea);
    lblgetstring_ = Makelabel(frgetstring_, "Lblgetstring", QRect(10, 18, 356, 34));
    lblgetstring_->setWordWrap(true);
    for (int p = 0; p < kRowcells; ++p) {
        auto* cell = new PieceCell({DragSource::Position, p}, QString("Picstring%1").arg(p),
                                   QString("Lblstring%1").arg(p), frgetstring_);
        cell->move(10 + p * 36, 54);
        cell->Candrag = [this, p] { return Entering() && row_.Cell(p) != kEmptycell; };
        cell->Doubleclicked = [this, p] { Lblstring_DblClick(p); };
        cell->Dropped = [this, p](DragSource s) { Lblstring_DragDrop(s, p); };
        cell->setCursor(Qt::PointingHandCursor);
        stringcells_[static_cast<size_t>(p)] = cell;
    }
    cmdsubcol_ = Makebutton(frgetstring_, "Cmdsubcol", "Submit", QRect(296, 68, 72, 28));
    connect(cmdsubcol_, &QPushButton::clicked, this, &Fmmain::Cmdsubcol_Click);
    frcolour_->setCursor(Qt::PointingHandCursor);

    frinput_ = Makeframe(central, "Frinput", "Your Guess", inputArea);
    lblinput_ = Makelabel(frinput_, "Lblinput", QRect(10, 18, 356, 50));
    lblinput_->setWordWrap(true);
    lblinput_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtinput_ = new QLineEdit(frinput_);
    txtinput_->setObjectName("Txtinput");
    txtinput_->setGeometry(10, 76, 200, 28);
    QFont big = txtinput_->font();
    big.setPointSize(13);
    big.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    txtinput_->setFont(big);
    connect(txtinput_, &QLineEdit::textEdited, this, &Fmmain::Txtinput_Change);
    connect(txtinput_, &QLineEdit::returnPressed, this, [this] {
        if (cmdsubnum_->isEnabled()) Cmdsubnum_Click();
    });
    cmdsubnum_ = Makebutton(frinput_, "Cmdsubnum", "Submit", QRect(222, 76, 92, 28));
    connect(cmdsubnum_, &QPushButton::clicked, this, &Fmmain::Cmdsubnum_Click);

    frerror_ = Makeframe(central, "Frerror", "", QRect(kRight, 450, kRightWidth, 42));
    cmderror_ = Makebutton(frerror_, "Cmderror", "Error", QRect(8, 8, 88, 28));
    connect(cmderror_, &QPushButton::clicked, this, [this] {
        if (hooks.Cmderror_Click) hooks.Cmderror_Click();
    });

    frshowresult_ = Makeframe(central, "Frshowresult", "Result", QRect(kRight, 312, kRightWidth, 180));
    lbltrials_ = Makelabel(frshowresult_, "Lbltrials", QRect(10, 18, 356, 18));
    lbltrials_->setStyleSheet("QLabel { font-weight: bold; }");
    frcorrect_ = Makeframe(frshowresult_, "Frcorrect", "", QRect(8, 38, 360, 56));
    lblcorrect_ = Makelabel(frcorrect_, "Lblcorrect", QRect(6, 4, 348, 20));
    piccorrect_ = new HintBoxes(Qt::black, frcorrect_);
    piccorrect_->setObjectName("Piccorrect");
    piccorrect_->setGeometry(6, 28, 348, 22);
    frwrong_ = Makeframe(frshowresult_, "Frwrong", "", QRect(8, 96, 360, 56));
    lblwrong_ = Makelabel(frwrong_, "Lblwrong", QRect(6, 4, 348, 20));
    picwrong_ = new HintBoxes(Qt::white, frwrong_);
    picwrong_->setObjectName("Picwrong");
    picwrong_->setGeometry(6, 28, 348, 22);
    cmdshowresult_ = Makebutton(frshowresult_, "Cmdshowresult", "OK", QRect(144, 154, 88, 24));
    connect(cmdshowresult_, &QPushButton::clicked, this, &Fmmain::Cmdshowresult_Click);

    stbmenu_ = new QLabel(this);
    stbmenu_->setObjectName("Stbmenu");
    statusBar()->addWidget(stbmenu_, 1);
    statusBar()->setSizeGripEnabled(false);
}

void Fmmain::Buildsettingmenu(QWidget* central) {
    frmenu_ = Makeframe(central, "Frmenu", "", QRect(204, 62, 384, 360));
    frmenu_->setStyleSheet(
        "QGroupBox#Frmenu { background: #f6eed9; border: 2px solid #6b4f2a; border-radius: 6px; }");
    auto* lblset = Makelabel(frmenu_, "Lblset", QRect(0, 10, 384, 28), "Game Setting Menu");
    lblset->setAlignment(Qt::AlignCenter);
    lblset->setStyleSheet("QLabel { font-size: 15pt; font-weight: bold; color: #6b4f2a; }");
    struct Row {
        const char* label;
        const char* caption;
        const char* list;
        SettingList which;
    };
    const std::array<Row, 7> rows{{
        {"Lblgametype", "Who guesses?", "Cbwho", SettingList::Who},
        {"Lblcolourno", "Number of Colours", "Cbcolour", SettingList::Colour},
        {"Lblstart", "Start from", "Cbstart", SettingList::Start},
        {"Lblgamelength", "Length of Code", "Cblength", SettingList::Length},
        {"Lblhint", "Hints contain error(s)?", "Cbhint", SettingList::Hint},
        {"Lblgameorder", "Order Type", "Cborder", SettingList::Order},
        {"Lblgamerepeat", "Colour repeated?", "Cbrepeat", SettingList::Repeat},
    }};
    for (size_t i = 0; i < rows.size(); ++i) {
        const int top = 50 + static_cast<int>(i) * 36;
        Makelabel(frmenu_, rows[i].label, QRect(20, top, 150, 26), rows[i].caption);
        auto* box = new QComboBox(frmenu_);
        box->setObjectName(rows[i].list);
        box->setGeometry(170, top, 194, 26);
        const SettingList which = rows[i].which;
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, which, box](int index) { Listchosen(which, box, index); });
        lists_boxes_[i] = box;
    }
    cmdstart_ = Makebutton(frmenu_, "Cmdstart", "Start  Game", QRect(70, 312, 110, 32));
    cmdcancel_ = Makebutton(frmenu_, "Cmdcancel", "Cancel", QRect(204, 312, 110, 32));
    connect(cmdstart_, &QPushButton::clicked, this, &Fmmain::Cmdstart_Click);
    connect(cmdcancel_, &QPushButton::clicked, this, &Fmmain::Cmdcancel_Click);
}

// ------------------------------------------------------------ menus and lists

void Fmmain::Settlb() {
    mnugame_->menuAction()->setEnabled(menus_.Mnugame);
    mnuoption_->menuAction()->setEnabled(menus_.Mnuoption);
    mnuset_->setEnabled(menus_.Mnuset);
    mnunew_->setEnabled(menus_.Mnunew);
    mnuend_->setEnabled(menus_.Mnuend);
    mnuquit_->setEnabled(menus_.Mnuquit);
}

void Fmmain::Refreshlists() {
    refreshingLists_ = true;
    const std::array<const ChoiceList*, 7> lists{&lists_.Cbwho,    &lists_.Cbcolour, &lists_.Cbstart,
                                                 &lists_.Cblength, &lists_.Cbhint,   &lists_.Cborder,
                                                 &lists_.Cbrepeat};
    for (size_t i = 0; i < lists.size(); ++i) {
        QComboBox* box = lists_boxes_[i];
        box->clear();
        for (const std::string& item : lists[i]->items) box->addItem(Q(item));
        box->setCurrentIndex(lists[i]->shown);
    }
    refreshingLists_ = false;
    cmdstart_->setEnabled(Roleavailable());
}

void Fmmain::Listchosen(SettingList list, QComboBox* box, int index) {
    if (refreshingLists_ || index < 0) return;
    lists_.Choose(list, box->itemText(index).toStdString());
    Refreshlists();
}

bool Fmmain::Roleavailable() const {
    const std::string& who = lists_.Cbwho.Text();
    if (who == "Computer guesses") return static_cast<bool>(hooks.Computergame);
    if (who == "Watch computer play") return static_cast<bool>(hooks.Computerguess);
    return true;
}

void Fmmain::Mnuset_Click() {
    saved_ = lists_.Save();
    Refreshlists();
    frmenu_->show();
    frmenu_->raise();
    Setdefault(cmdstart_, true);
    menus_.Mnuset = menus_.Mnunew = menus_.Mnuload = menus_.Mnusaving = menus_.Mnuend = menus_.Mnudemo =
        false;
    Settlb();
    Setwait(300, "Frmenu");
}

void Fmmain::Mnunew_Click() { Cmdstart_Click(); }

void Fmmain::Cmdstart_Click() {
    if (!Roleavailable()) return;
    lists_.Updatesetting(g_.Settings);
    frmenu_->hide();
    Setwait(0, "");
    if (g_.Settings.Who == 2) {
        hooks.Computergame();
        return;
    }
    const WinnersResult records = Initialize();
    if (!records.Usable()) {
        // The game goes on from trial 1 once the player has read why.
        Showmessage("Recordsfile", Q(records.message), [this] { Startplay(); });
        return;
    }
    Startplay();
}

void Fmmain::Startplay() {
    Startgame();
    Getguess();
}

void Fmmain::Cmdcancel_Click() {
    Setwait(0, "");
    Setdisplay(mnucolour_->isChecked() ? Displaymode::Colour : Displaymode::Number);
    // Only an open menu has texts to put back; otherwise the lists stand as chosen.
    if (!frmenu_->isHidden()) lists_.Restore(saved_);
    Refreshlists();
    frmenu_->hide();
    Finishgame();
}

void Fmmain::Mnuend_Click() {
    g_.Finaltrial = g_.Currenttrial;
    Showmessage("Mnuend", kEndgametext);
}

void Fmmain::Mnuquit_Click() { Showmessage("Mnuquit", kQuittext); }

bool Fmmain::Entering() const { return !frgetstring_->isHidden() || !frinput_->isHidden(); }

void Fmmain::Mnumouse_Click() {
    mnumouse_->setChecked(true);
    mnukey_->setChecked(false);
    if (!keyboard_) return;
    keyboard_ = false;
    if (!Entering()) return;
    frinput_->hide();
    row_.Clear();
    Drawrow();
    frgetstring_->show();
    Refreshpanel();
    Submitok();
}

void Fmmain::Mnukey_Click() {
    mnukey_->setChecked(true);
    mnumouse_->setChecked(false);
    if (keyboard_) return;
    keyboard_ = true;
    if (!Entering()) return;
    frgetstring_->hide();
    frinput_->show();
    txtinput_->clear();
    typed_.Clear();
    txtinput_->setFocus();
    row_.Clear();
    Refreshpanel();
    cmdsubnum_->setEnabled(false);
    Setdefault(cmdsubnum_, false);
}

void Fmmain::Setdisplay(Displaymode mode) {
    display_ = mode;
    mnucolour_->setChecked(mode == Displaymode::Colour);
    mnunumber_->setChecked(mode == Displaymode::Number);
    if (!franswer_->isHidden()) Showanswer(franswer_->title());
    // The record keeps what it has drawn and draws it again in the new mode.
    picrecord_->Setmode(mode);
}

// ------------------------------------------------------------------ the game

WinnersResult Fmmain::Initialize() {
    WinnersResult records;
    Clearrec(g_);
    if (hooks.Clearreasoning) hooks.Clearreasoning();
    setWindowTitle("New Game - Unsaved");
    picfore_->hide();
    picupper_->show();
    picrecord_->Clearrecord();
    picrecord_->Setgame(g_.Settings.Codelength, g_.Settings.fixedOrder());
    picrecord_->Setheading("RECORD");
    picrecord_->Setmode(display_);
    picrecord_->show();
    const GameSettings& s = g_.Settings;
    if ((s.Who != 1 || s.Hinterrors == 2) && hooks.Drawcolourorder) hooks.Drawcolourorder();
    if (s.Who == 1 || s.Who == 3) Makecode(g_, MakeTarget::Answer);
    g_.Gamestatus = "Preparation";
    g_.ErrorTrials.clear();
    if (s.Hinterrors == 2 && hooks.Geterrortrial) hooks.Geterrortrial();
    if (s.Startfrom == 1) {
        g_.Settings.Starttrial = 1;
    } else if (s.Who != 2) {
        records = Getstarttrial(g_, recordsFolder_.toStdString(), winners_);
        Playearlytrials(g_);
        for (int t = 1; t < g_.Settings.Starttrial; ++t) picrecord_->Showrecord(t, g_.Record[t]);
    }
    g_.Currenttrial = static_cast<int16_t>(s.Who == 1 ? g_.Settings.Starttrial - 1 : 0);
    wait_.Starttrial = g_.Settings.Starttrial;
    menus_.Mnuset = menus_.Mnunew = menus_.Mnuload = menus_.Mnusaving = menus_.Mnudemo = false;
    menus_.Mnuend = true;
    Settlb();
    return records;
}

void Fmmain::Startgame() {
    g_.Gamestatus = "Playing";
    if (g_.Settings.Who == 1) {
        lbltime_->setText(Q(Timelabeltext("0 second")));
        lbltime_->show();
        clock_.Start(0);
        warned_ = false;
        tmrrec_->start();
        return;
    }
    // A game the player only watches: the computer's side carries it.
    menus_.Mnugame = menus_.Mnumedia = menus_.Mnuoption = menus_.Mnuhelp = false;
    Settlb();
    Showsetting();
    Showanswer("Answer");
}

void Fmmain::Getguess() {
    if (g_.Settings.Who == 1)
        Getstring();
    else if (hooks.Computerguess)
        hooks.Computerguess();
}

void Fmmain::Getstring() {
    const GameSettings& s = g_.Settings;
    Showsetting();
    if (g_.Playing() && g_.Currenttrial > 0) {
        menus_.Mnusaving = menus_.Mnuend = menus_.Mnuoption = true;
        Settlb();
    }
    row_.Reset(s);
    Refreshpanel();
    const Prompts prompts = Getstringprompts(g_);
    lblgetstring_->setText(Q(prompts.getstring));
    lblinput_->setText(Q(prompts.input));
    frerror_->setVisible(prompts.errorButton);
    cmderror_->setEnabled(static_cast<bool>(hooks.Cmderror_Click));
    if (keyboard_) {
        frgetstring_->hide();
        frinput_->show();
        txtinput_->clear();
        typed_.Clear();
        txtinput_->setFocus();
    } else {
        frinput_->hide();
        Drawrow();
        frgetstring_->show();
    }
    frcolour_->show();
    for (QPushButton* b : {cmdsubcol_, cmdsubnum_}) {
        b->setEnabled(false);
        Setdefault(b, false);
    }
    g_.Guessblanks = s.Codelength;
    if (s.Who == 1) {
        wait_.Setdirect("Frgetstring1");
        Showstatus();
    } else {
        Setwait(300, "Frgetstring2");
    }
}

void Fmmain::Submitguess() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{frsetting_, frgetstring_, frinput_, frcolour_, frerror_})
        w->hide();
    menus_.Mnusaving = false;
    if (g_.Playing()) menus_.Mnuend = menus_.Mnuoption = false;
    Settlb();
    const Refusal refusal = Checksubmission(g_, false);
    if (refusal != Refusal::None) {
        Showmessage("Same", Q(Refusaltext(refusal)), [this] { Getstring(); });
        return;
    }
    if (g_.Settings.Who != 1) return;  // the computer's game takes the string
    const bool showHint = Mark(g_);
    if (Iswin(g_)) {
        Showrecord(g_.Currenttrial);
        Processmark(g_);
        Win();
    } else if (showHint) {
        Showresult();
    }
}

void Fmmain::Showresult() {
    Setdefault(cmdshowresult_, true);
    frshowresult_->show();
    cmdshowresult_->setFocus();
    const ResultTexts texts = Showresulttexts(g_);
    lbltrials_->setText(Q(texts.trials));
    lblcorrect_->setText(Q(texts.correct));
    piccorrect_->Setcount(g_.Result.Blacks);
    frcorrect_->show();
    if (g_.Settings.fixedOrder()) {
        piccorrect_->Setfill(QColor(192, 192, 192));
        picwrong_->Setcount(0);
        frwrong_->hide();
    } else {
        piccorrect_->Setfill(Qt::black);
        lblwrong_->setText(Q(texts.wrong));
        picwrong_->Setcount(g_.Result.Whites);
        frwrong_->show();
    }
    Setwait(60, "Frshowresult");
}

void Fmmain::Cmdshowresult_Click() {
    if (frshowresult_->isHidden()) return;
    Setwait(0, "");
    frshowresult_->hide();
    Showrecord(g_.Currenttrial);
    Processmark(g_);
    auto next = [this] {
        const bool missed = g_.Result.Blacks != g_.Settings.Codelength - g_.Answerblanks;
        if (missed && g_.Currenttrial == kLastTrial) {
            Showrecord(kLastTrial);
            Processmark(g_);
            Gameover();
        } else {
            Getguess();
        }
    };
    if (g_.Currenttrial == kLastTrial - 1 && clock_.Timespent < kGameSeconds) {
        Showmessage("Warning", kLastchancetext, next);
        return;
    }
    next();
}

void Fmmain::Win() {
    g_.Finaltrial = g_.Currenttrial;
    g_.Attempts = static_cast<int16_t>(g_.Currenttrial - g_.Settings.Starttrial + 1);
    g_.Gamestatus = "Win";
    Showsetting();
    tmrrec_->stop();
    lbltime_->hide();
    Showanswer("Answer");
    std::string text;
    if (g_.Settings.Who == 1) {
        clock_.Calculatetime();
        clock_.Recordtime = clock_.Timespent;
        clock_.Recordtimetext = clock_.Timetext;
        text = Wintext(g_.Attempts, clock_.Recordtimetext);
    } else {
        text =
            "Win!  I have tried " + std::to_string(g_.Attempts) + (g_.Attempts == 1 ? " time." : " times.");
    }
    Showmessage("Win", Q(Choosetext(text)));
}

void Fmmain::Gameover() {
    if (g_.Gamestatus == "Gameover") return;  // the game ends once
    if (g_.Settings.Who == 2) --g_.Currenttrial;
    g_.Finaltrial = g_.Currenttrial;
    g_.Gamestatus = "Gameover";
    Showsetting();
    clock_.Calculatetime();
    lbltime_->setText(Q(Timelabeltext(clock_.Timetext)));
    tmrrec_->stop();
    for (QWidget* w :
         std::initializer_list<QWidget*>{frshowresult_, frgetstring_, frinput_, frcolour_, lbltime_})
        w->hide();
    const std::string text = Gameovertext(g_);
    if (g_.Settings.Who == 1) {
        if (g_.Currenttrial > 0) Showanswer("Answer");
        if (g_.Currenttrial == kLastTrial) Showrecord(kLastTrial);
    }
    if (g_.Currenttrial == 0)
        Showmessage("Gameover0", Q(text));
    else
        Showmessage("Gameover1", Q(Choosetext(text)));
}

void Fmmain::Finishgame() {
    setWindowTitle("Tallimor");
    tmrrec_->stop();
    clock_.Timeoffset = 0;
    for (QWidget* w :
         std::initializer_list<QWidget*>{frsetting_, lbltime_, franswer_, frcolour_, frgetstring_, frinput_,
                                         frerror_, frshowresult_, picupper_, picrecord_, frmenu_})
        w->hide();
    picrecord_->Clearrecord();
    picfore_->show();
    menus_.Mnugame = menus_.Mnumedia = menus_.Mnuoption = menus_.Mnuhelp = true;
    menus_.Mnuset = menus_.Mnunew = menus_.Mnuload = menus_.Mnudemo = menus_.Mnuquit = true;
    menus_.Mnusaving = menus_.Mnuend = false;
    Settlb();
    Setwait(300, "Picfore");
}

void Fmmain::Showsetting() {
    lblsetcontent_->setText(Q(Setcontenttext(g_.Settings, g_.Gamestatus)));
    frsetting_->show();
}

void Fmmain::Showrecord(int trial) {
    TrialRecord row;
    row.Trialguess = g_.Guessstr;
    row.Trialblack = g_.Result.Blacks;
    row.Trialwhite = g_.Result.Whites;
    picrecord_->Showrecord(trial, row);
}

void Fmmain::Showanswer(const QString& caption) {
    franswer_->setTitle(caption);
    franswer_->show();
    frerror_->hide();
    picanswer_->Setmode(display_);
    picanswer_->Setcode(g_.Answer);
}

// ------------------------------------------------------------------ input

void Fmmain::Drawrow() {
    for (int p = 0; p < kRowcells; ++p) {
        PieceCell* cell = stringcells_[static_cast<size_t>(p)];
        cell->setVisible(p < row_.Length());
        const int colour = row_.Cell(p);
        cell->Setcolour(colour == kEmptycell ? Backgroundcolour() : Panelcolour(colour));
        cell->Setcaption(colour == kEmptycell ? QString() : QString::number(colour));
    }
}

void Fmmain::Refreshpanel() {
    for (int c = 0; c < 10; ++c) {
        PieceCell* cell = colourcells_[static_cast<size_t>(c)];
        cell->setVisible(c < g_.Settings.Colours);
        // The panel is not used for typing, so no colour offers itself then.
        cell->Setborder(!keyboard_ && row_.Hasborder(c));
    }
}

void Fmmain::Rowchanged() {
    Drawrow();
    Refreshpanel();
    Submitok();
}

void Fmmain::Lblcolour_DblClick(int colour) {
    if (frgetstring_->isHidden()) return;
    if (row_.Fillcolour(colour)) Rowchanged();
}

void Fmmain::Lblstring_DblClick(int position) {
    if (frgetstring_->isHidden()) return;
    if (row_.Emptyposition(position)) Rowchanged();
}

void Fmmain::Lblstring_DragDrop(DragSource source, int position) {
    if (frgetstring_->isHidden()) return;
    const bool changed = source.kind == DragSource::Colour ? row_.Dropcolour(source.index, position)
                                                           : row_.Moveposition(source.index, position);
    if (changed) Rowchanged();
}

void Fmmain::Frcolour_DragDrop(DragSource source) {
    if (frgetstring_->isHidden() || source.kind != DragSource::Position) return;
    if (row_.Emptyposition(source.index)) Rowchanged();
}

void Fmmain::Submitok() {
    g_.Guessblanks = static_cast<int16_t>(row_.Guessblanks());
    const bool ok = row_.Submitok();
    cmdsubcol_->setEnabled(ok);
    Setdefault(cmdsubcol_, ok);
}

void Fmmain::Cmdsubcol_Click() {
    if (frgetstring_->isHidden() || !cmdsubcol_->isEnabled()) return;
    g_.Guessstr = row_.Codestring();
    Submitguess();
}

void Fmmain::Txtinput_Change(const QString& text) {
    const TypedInput::Outcome out = typed_.Txtinput_Change(g_.Settings, text.toStdString());
    if (!out.accepted) {
        const QSignalBlocker quiet(txtinput_);
        txtinput_->setText(Q(out.text));
    }
    cmdsubnum_->setEnabled(out.submitEnabled);
    Setdefault(cmdsubnum_, out.submitEnabled);
}

void Fmmain::Cmdsubnum_Click() {
    if (frinput_->isHidden() || !cmdsubnum_->isEnabled()) return;
    g_.Guessstr = txtinput_->text().toStdString();
    g_.Guessblanks = static_cast<int16_t>(Countchar(g_.Guessstr, kBlank));
    Submitguess();
}

void Fmmain::keyPressEvent(QKeyEvent* event) {
    // Enter presses the default button of the panel on show.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        for (QPushButton* b : {cmdstart_, cmdsubcol_, cmdshowresult_}) {
            if (b->isDefault() && b->isVisible() && b->isEnabled()) {
                b->click();
                return;
            }
        }
    }
    QMainWindow::keyPressEvent(event);
}

// ------------------------------------------------------------------ timers

void Fmmain::Tmrwait_Timer() {
    switch (wait_.Tmrwait_Timer()) {
        case WaitAction::Startdemo:
            if (hooks.Startdemo) hooks.Startdemo();
            break;
        case WaitAction::Cmdcancel:
            Cmdcancel_Click();
            break;
        case WaitAction::Givepreparation:
        case WaitAction::Finishgame:
            Finishgame();
            break;
        case WaitAction::Cmdshowresult:
            Cmdshowresult_Click();
            break;
        case WaitAction::PressCmdmid:
            if (message_) message_->Press(Msgbutton::Cmdmid);
            break;
        case WaitAction::PressCmdr2:
            if (message_) message_->Press(Msgbutton::Cmdr2);
            break;
        case WaitAction::PressCmdr3:
            if (message_) message_->Press(Msgbutton::Cmdr3);
            break;
        // The Top Five list, its name entry, the file dialog and the About
        // and Instructions windows are not part of this window yet.
        case WaitAction::Cmdcontinue:
        case WaitAction::Cmdokname:
        case WaitAction::Filecancel:
        case WaitAction::Cmdokabout:
        case WaitAction::Cmdokinstr:
        case WaitAction::None:
            break;
    }
}

void Fmmain::Tmrrec_Timer() {
    const int16_t spent = clock_.Calculatetime();
    lbltime_->setText(Q(Timelabeltext(clock_.Timetext)));
    if (spent > kGameSeconds) {
        // Whatever was open is swept away: the game is over.
        Closesecondary(false);
        if (!frshowresult_->isHidden()) {
            Setwait(0, "");
            frshowresult_->hide();
            Showrecord(g_.Currenttrial);
            Processmark(g_);
        }
        Gameover();
    } else if (spent >= kWarningSeconds && !warned_) {
        // Given once, even when a tick was missed on the very second.
        warned_ = true;
        Closesecondary(true);
        Showmessage("Warning", kFiveminutestext, [this] {
            if (!frshowresult_->isHidden()) {
                Cmdshowresult_Click();
            } else if (Entering() && g_.Settings.Who == 1) {
                wait_.Setdirect("Frgetstring1");
                Showstatus();
            }
        });
    }
}

void Fmmain::Tmrbuffer_Timer() {
    tmrbuffer_->stop();
    // One step per start, whether the tick or a direct call comes first.
    if (!bufferPending_) return;
    bufferPending_ = false;
    if (g_.Gamestatus != "Win")
        Showmessage("Franswer", Q(Choosetext(kShowanswertext)));
    else
        Win();
}

// ---------------------------------------------------------- waits and messages

void Fmmain::Setwait(int16_t timeout, const std::string& state) {
    wait_.Setwait(timeout, state);
    Syncwait();
}

void Fmmain::Syncwait() {
    if (wait_.Timerenabled()) {
        if (!tmrwait_->isActive()) tmrwait_->start();
    } else {
        tmrwait_->stop();
    }
    Showstatus();
}

void Fmmain::Showstatus() {
    // Written only here.
    stbmenu_->setText(Q(wait_.Statusline()));
}

void Fmmain::Showmessage(const std::string& id, const QString& text, std::function<void()> after) {
    const MessageInfo* info = Findmessage(id);
    if (!info) return;
    if (message_) Closesecondary(false);
    message_ = new Fmmessage(programFolder_, this);
    connect(message_, &Fmmessage::Buttonpressed, this, &Fmmain::Messagebutton_Click);
    message_->Lblmessage()->setText(text);
    message_->Messagebox(*info);
    // Saving arrives with the file dialog; until then the box does not offer it.
    message_->Button(Msgbutton::Cmdl3)->setEnabled(static_cast<bool>(hooks.Savefile));
    afterMessage_ = std::move(after);
    Setwait(info->timeout, std::string(info->wait));
    message_->open();
}

void Fmmain::Unloadmessage() {
    if (!message_) return;
    message_->hide();
    message_->deleteLater();
    message_ = nullptr;
    pendingAfter_ = std::move(afterMessage_);
    afterMessage_ = nullptr;
}

bool Fmmain::Closesecondary(bool runAfter) {
    if (!message_ || message_->isHidden()) return false;
    Unloadmessage();
    Setwait(0, "");
    auto after = std::move(pendingAfter_);
    pendingAfter_ = nullptr;
    if (runAfter && after) after();
    return true;
}

void Fmmain::Messagebutton_Click(Msgbutton button) {
    if (!message_) return;
    pendingAfter_ = nullptr;
    const std::string id = message_->Tag().toStdString();
    switch (Buttonaction(button, id)) {
        case MessageAction::Endgameok:
            Unloadmessage();
            tmrrec_->stop();
            for (QWidget* w :
                 std::initializer_list<QWidget*>{lbltime_, frgetstring_, frinput_, frcolour_, frshowresult_})
                w->hide();
            if (g_.Settings.Who == 1 && g_.Currenttrial >= 1) {
                g_.Gamestatus = "End Game";
                Showsetting();
                Showanswer("Answer");
                clock_.Timespent = kGameSeconds;
                bufferPending_ = true;
                tmrbuffer_->start();
            } else {
                Setwait(0, "");
                Finishgame();
            }
            break;
        case MessageAction::Quitok:
            Unloadmessage();
            if (hooks.Endprogram)
                hooks.Endprogram();
            else
                QCoreApplication::quit();
            break;
        case MessageAction::Toggledisplay:
            Setdisplay(display_ == Displaymode::Colour ? Displaymode::Number : Displaymode::Colour);
            break;
        case MessageAction::Savefile:
            if (!hooks.Savefile) break;
            Unloadmessage();
            Setwait(0, "");
            hooks.Savefile();
            break;
        case MessageAction::Gameover0ok:
            Setwait(0, "");
            Unloadmessage();
            Finishgame();
            break;
        case MessageAction::Close:
            Unloadmessage();
            break;
        case MessageAction::Endgamecancel:
            Unloadmessage();
            wait_.R3();
            Syncwait();
            break;
        case MessageAction::Quitcancel:
            Unloadmessage();
            wait_.R2();
            Syncwait();
            break;
        case MessageAction::Finish:
            Setwait(0, "");
            Unloadmessage();
            Cmdcancel_Click();
            break;
        case MessageAction::End:
            Setwait(0, "");
            Unloadmessage();
            Finishgame();
            break;
        case MessageAction::Winend:
            Setwait(0, "");
            Unloadmessage();
            if (clock_.Timespent < kGameSeconds && g_.Currenttrial < kLastTrial && hooks.Topfivecheck)
                hooks.Topfivecheck();
            else
                Finishgame();
            break;
        // The file dialog's messages, a loaded game and the corrected game
        // come with their own windows.
        case MessageAction::Nofileyes:
        case MessageAction::Overwriteyes:
        case MessageAction::Deleteyes:
        case MessageAction::Notreadyok:
        case MessageAction::Notexistok:
        case MessageAction::Notenterok:
        case MessageAction::Continueplayingok:
        case MessageAction::Nofileno:
        case MessageAction::Filenorestore:
        case MessageAction::None:
            break;
    }
    auto after = std::move(pendingAfter_);
    pendingAfter_ = nullptr;
    if (after) after();
}

}  // namespace tallimor
