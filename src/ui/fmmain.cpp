#include "ui/fmmain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
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
#include <QToolBar>

#include "ui/fmfiles.h"
#include "ui/fmmessage.h"
#include "ui/panel_widgets.h"

namespace tallimor {

using namespace panel;

namespace {

QString Withslash(QString folder) {
    if (!folder.endsWith('/')) folder += '/';
    return folder;
}

constexpr SettingList kListorder[7] = {SettingList::Who,    SettingList::Colour, SettingList::Start,
                                       SettingList::Length, SettingList::Hint,   SettingList::Order,
                                       SettingList::Repeat};

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

Fmmain::Fmmain(const QString& programFolder, TimeSource clock, QWidget* parent, const QString& recordsFolder)
    : QMainWindow(parent),
      programFolder_(Withslash(programFolder)),
      mod_((recordsFolder.isEmpty() ? Recordsfolder(programFolder_) : Withslash(recordsFolder)).toStdString(),
           std::move(clock)) {
    setObjectName("Fmmain");
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Backgroundcolour());
    setPalette(pal);

    constexpr std::array<const char*, kTimers> names{"Tmrwait", "Tmrrec", "Tmrbuffer", "Tmrdelay"};
    for (size_t i = 0; i < timers_.size(); ++i) {
        auto* timer = new QTimer(this);
        timer->setObjectName(names[i]);
        const auto id = static_cast<Timerid>(i);
        connect(timer, &QTimer::timeout, this, [this, id] { Tick(id); });
        timers_[i] = timer;
    }

    Buildmenus();
    Buildtoolbar();
    Buildpanels();
    Setcursors();
    // As large as its parts and no larger: it is whole on an 800 x 600 screen.
    setFixedSize(sizeHint());
    // Enter is the module's to decide, wherever the focus is in this window.
    qApp->installEventFilter(this);
    Render();
}

Fmmain::~Fmmain() { qApp->removeEventFilter(this); }

// ---------------------------------------------------------------- building

void Fmmain::Buildmenus() {
    mnugame_ = menuBar()->addMenu("Game(&G)");
    mnugame_->setObjectName("Mnugame");
    auto add = [this](QMenu* menu, const char* name, const QString& caption, QKeySequence key,
                      void (Tallimormod::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (!key.isEmpty()) action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, handler] { Forward([&] { (mod_.*handler)(); }); });
        return action;
    };
    mnuset_ = add(mnugame_, "Mnuset", "Game Setting(&G)", Qt::Key_F1, &Tallimormod::Mnuset_Click);
    mnunew_ = add(mnugame_, "Mnunew", "New Game(&N)", Qt::Key_F2, &Tallimormod::Mnunew_Click);
    mnuload_ = add(mnugame_, "Mnuload", "Load Game(&L)", Qt::Key_F3, &Tallimormod::Mnuload_Click);
    mnusaving_ = mnugame_->addMenu("Save Game(&S)");
    mnusaving_->setObjectName("Mnusaving");
    mnusave_ = add(mnusaving_, "Mnusave", "Save(&S)", Qt::Key_F4, &Tallimormod::Mnusave_Click);
    mnusaveas_ = add(mnusaving_, "Mnusaveas", "Save As(&A)", {}, &Tallimormod::Mnusaveas_Click);
    mnuend_ = add(mnugame_, "Mnuend", "End Game(&E)", Qt::Key_F5, &Tallimormod::Mnuend_Click);
    mnugame_->addSeparator();
    mnuquit_ = add(mnugame_, "Mnuquit", "Quit(&Q)", Qt::Key_F6, &Tallimormod::Mnuquit_Click);

    mnumedia_ = menuBar()->addMenu("Multimedia(&M)");
    mnumedia_->setObjectName("Mnumedia");
    // The program has no music: the item is there, and never offered.
    add(mnumedia_, "Mnumusic", "On/Off Music(&M)", Qt::Key_F7, &Tallimormod::Mnumusic_Click)
        ->setEnabled(false);
    add(mnumedia_, "Mnuani", "On/Off Animation(&A)", Qt::Key_F8, &Tallimormod::Mnuani_Click);
    mnudemo_ = add(mnumedia_, "Mnudemo", "Start Demo(&D)", Qt::Key_F9, &Tallimormod::Mnudemo_Click);

    mnuoption_ = menuBar()->addMenu("Options(&O)");
    mnuoption_->setObjectName("Mnuoption");
    QMenu* input = mnuoption_->addMenu("Input Method(&I)");
    input->setObjectName("Mnuinput");
    mnumouse_ = add(input, "Mnumouse", "Mouse(&M)", {}, &Tallimormod::Mnumouse_Click);
    mnukey_ = add(input, "Mnukey", "Keyboard(&K)", {}, &Tallimormod::Mnukey_Click);
    QMenu* display = mnuoption_->addMenu("Display Mode(&D)");
    display->setObjectName("Mnudisplay");
    mnucolour_ = add(display, "Mnucolour", "Colour(&C)", {}, &Tallimormod::Mnucolour_Click);
    mnunumber_ = add(display, "Mnunumber", "Number(&N)", {}, &Tallimormod::Mnunumber_Click);
    for (QAction* a : {mnumouse_, mnukey_, mnucolour_, mnunumber_}) a->setCheckable(true);

    mnuhelp_ = menuBar()->addMenu("Help(&H)");
    mnuhelp_->setObjectName("Mnuhelp");
    add(mnuhelp_, "Mnuinstr", "Brief Instructions(&I)", {}, &Tallimormod::Mnuinstr_Click);
    add(mnuhelp_, "Mnuabout", "About Tallimor(&A)", {}, &Tallimormod::Mnuabout_Click);
}

void Fmmain::Buildpanels() {
    auto* central = new QWidget(this);
    central->setObjectName("Central");
    central->setFixedSize(792, kBottom + kTop);
    setCentralWidget(central);

    picfore_ = new IdlePicture(central);
    picfore_->setObjectName("Picfore");
    picfore_->setGeometry(8, kTop, 776, kBottom - kTop);

    picupper_ = Makelabel(central, "Picupper", QRect(8, kTop, 392, 22));
    picupper_->setText("   Trial      Guess and hint");
    picupper_->setStyleSheet("QLabel { background: #6b4f2a; color: #f6eed9; font-weight: bold; }");
    picrecord_ = new RecordBoard(central);
    picrecord_->setObjectName("Picrecord");
    picrecord_->setGeometry(8, kTop + 22, 392, kBottom - kTop - 22);

    Buildsettingmenu(central);

    frsetting_ = Makeframe(central, "Frsetting", "Game Setting", QRect(kRight, 2, kRightWidth, 136));
    auto* lblsettitle = Makelabel(frsetting_, "Lblsettitle", QRect(10, 18, 170, 116), Q(Settitletext()));
    lblsetcontent_ = Makelabel(frsetting_, "Lblsetcontent", QRect(182, 18, 188, 116));
    for (QLabel* l : {lblsettitle, lblsetcontent_}) l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblsetcontent_->setStyleSheet("QLabel { color: #14407a; }");

    lbltime_ = Makelabel(central, "Lbltime", QRect(kRight + 4, 138, kRightWidth - 8, 22));
    lbltime_->setStyleSheet("QLabel { font-weight: bold; color: #7a1d14; }");

    franswer_ = Makeframe(central, "Franswer", "Answer", QRect(kRight, 160, kRightWidth, 54));
    picanswer_ = new CodeView(franswer_);
    picanswer_->setObjectName("Picanswer");
    picanswer_->setGeometry(8, 18, kRightWidth - 16, 34);

    frcolour_ = new DropPanel("Colour Panel", central);
    frcolour_->setObjectName("Frcolour");
    frcolour_->setGeometry(kRight, 216, kRightWidth, 74);
    frcolour_->Dropped = [this](DragSource s) { Forward([&] { mod_.Frcolour_DragDrop(s); }); };
    for (int c = 0; c < 10; ++c) {
        auto* cell = new PieceCell({DragSource::Colour, c}, QString("Piccolour%1").arg(c),
                                   QString("Lblcolour%1").arg(c), frcolour_);
        cell->move(10 + c * 36, 22);
        cell->Setcolour(Panelcolour(c));
        cell->Setcaption(QString::number(c));
        cell->Candrag = [this, c] {
            return last_ && last_->Shown(Panel::Frgetstring) && last_->colourBorder[static_cast<size_t>(c)];
        };
        cell->Pressed = [this, c] { Forward([&] { mod_.Lblcolour_MouseDown(c); }); };
        cell->Doubleclicked = [this, c] { Forward([&] { mod_.Lblcolour_DblClick(c); }); };
        // A position dropped back on a colour goes back to the panel.
        cell->Dropped = [this](DragSource s) { Forward([&] { mod_.Frcolour_DragDrop(s); }); };
        colourcells_[static_cast<size_t>(c)] = cell;
    }
    frcolour_->setCursor(Qt::PointingHandCursor);

    frgetstring_ = Makeframe(central, "Frgetstring", "Your Guess", kInputarea);
    lblgetstring_ = Makelabel(frgetstring_, "Lblgetstring", QRect(10, 18, 356, 34));
    lblgetstring_->setWordWrap(true);
    for (int p = 0; p < 8; ++p) {
        auto* cell = new PieceCell({DragSource::Position, p}, QString("Picstring%1").arg(p),
                                   QString("Lblstring%1").arg(p), frgetstring_);
        cell->move(10 + p * 36, 54);
        cell->Candrag = [this, p] {
            return last_ && last_->Shown(Panel::Frgetstring) &&
                   last_->row[static_cast<size_t>(p)] != kEmptycell;
        };
        cell->Doubleclicked = [this, p] { Forward([&] { mod_.Lblstring_DblClick(p); }); };
        cell->Dropped = [this, p](DragSource s) { Forward([&] { mod_.Lblstring_DragDrop(s, p); }); };
        cell->setCursor(Qt::PointingHandCursor);
        stringcells_[static_cast<size_t>(p)] = cell;
    }
    cmdsubcol_ = Makebutton(frgetstring_, "Cmdsubcol", "Submit", QRect(296, 68, 72, 28));
    connect(cmdsubcol_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdsubcol_Click(); }); });
    lblgetrefusal_ = Makelabel(frgetstring_, "Lblgetrefusal", QRect(10, 106, 356, 22));

    frinput_ = Makeframe(central, "Frinput", "Your Guess", kInputarea);
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
    connect(txtinput_, &QLineEdit::textEdited, this,
            [this](const QString& text) { Forward([&] { mod_.Txtinput_Change(text.toStdString()); }); });
    cmdsubnum_ = Makebutton(frinput_, "Cmdsubnum", "Submit", QRect(222, 76, 92, 28));
    connect(cmdsubnum_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdsubnum_Click(); }); });
    lblinputrefusal_ = Makelabel(frinput_, "Lblinputrefusal", QRect(10, 108, 356, 22));
    for (QLabel* l : {lblgetrefusal_, lblinputrefusal_})
        l->setStyleSheet("QLabel { color: #a8322d; font-style: italic; }");

    frerror_ = Makeframe(central, "Frerror", "", QRect(kRight, kBottom - 42, kRightWidth, 42));
    cmderror_ = Makebutton(frerror_, "Cmderror", "Error", QRect(8, 8, 88, 28));
    connect(cmderror_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmderror_Click(); }); });

    frshowresult_ =
        Makeframe(central, "Frshowresult", "Result", QRect(kRight, kInputarea.top(), kRightWidth, 180));
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
    connect(cmdshowresult_, &QPushButton::clicked, this,
            [this] { Forward([&] { mod_.Cmdshowresult_Click(); }); });

    Buildcomputerpanels(central);
    Buildtopfive(central);
    Builddemo(central);

    // Two lines, so every status text can be read whole at the narrowest window.
    stbmenu_ = new QLabel(this);
    stbmenu_->setObjectName("Stbmenu");
    stbmenu_->setWordWrap(true);
    stbmenu_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    stbmenu_->setFixedHeight(2 * stbmenu_->fontMetrics().lineSpacing() + 4);
    statusBar()->addWidget(stbmenu_, 1);
    statusBar()->setSizeGripEnabled(false);
}

void Fmmain::Buildsettingmenu(QWidget* central) {
    frmenu_ = Makeframe(central, "Frmenu", "", QRect(204, 20, 384, 400));
    frmenu_->setStyleSheet(
        "QGroupBox#Frmenu { background: #f6eed9; border: 2px solid #6b4f2a; border-radius: 6px; }");
    auto* lblset = Makelabel(frmenu_, "Lblset", QRect(0, 10, 384, 28), "Game Setting Menu");
    lblset->setAlignment(Qt::AlignCenter);
    lblset->setStyleSheet("QLabel { font-size: 15pt; font-weight: bold; color: #6b4f2a; }");
    struct Row {
        const char* label;
        const char* caption;
        const char* list;
    };
    const std::array<Row, 7> rows{{
        {"Lblgametype", "Who guesses?", "Cbwho"},
        {"Lblcolourno", "Number of Colours", "Cbcolour"},
        {"Lblstart", "Start from", "Cbstart"},
        {"Lblgamelength", "Length of Code", "Cblength"},
        {"Lblhint", "Hints contain error(s)?", "Cbhint"},
        {"Lblgameorder", "Order Type", "Cborder"},
        {"Lblgamerepeat", "Colour repeated?", "Cbrepeat"},
    }};
    for (size_t i = 0; i < rows.size(); ++i) {
        const int top = 50 + static_cast<int>(i) * 36;
        Makelabel(frmenu_, rows[i].label, QRect(20, top, 150, 26), rows[i].caption);
        auto* box = new QComboBox(frmenu_);
        box->setObjectName(rows[i].list);
        box->setGeometry(170, top, 194, 26);
        const SettingList which = kListorder[i];
        connect(box, &QComboBox::currentIndexChanged, this, [this, which, box](int index) {
            if (rendering_ || index < 0) return;
            Forward([&] { mod_.Cblist_Click(which, box->itemText(index).toStdString()); });
        });
        listBoxes_[i] = box;
    }
    cmdstart_ = Makebutton(frmenu_, "Cmdstart", "Start  Game", QRect(70, 312, 110, 32));
    cmdcancel_ = Makebutton(frmenu_, "Cmdcancel", "Cancel", QRect(204, 312, 110, 32));
    connect(cmdstart_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdstart_Click(); }); });
    connect(cmdcancel_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdcancel_Click(); }); });
    Builddesigner();
}

// ------------------------------------------------------------------ events

bool Fmmain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // One key press does one thing: the module presses the default
        // button of the panel on show, and the key goes no further.
        if (enter && widget && widget->window() == this && !message_) {
            Forward([&] { mod_.Enter_Keypress(); });
            return true;
        }
        // Escape ends the demo as a click on the record does; otherwise it goes on as usual.
        if (key->key() == Qt::Key_Escape && widget && widget->window() == this && !message_) {
            bool taken = false;
            Forward([&] { taken = mod_.Escape_Keypress(); });
            if (taken) return true;
        }
        if (!enter && Countkey(watched, key)) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Fmmain::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

// ---------------------------------------------------------------- drawing

QWidget* Fmmain::Panelwidget(Panel p) const {
    switch (p) {
        case Panel::Picfore:
            return picfore_;
        case Panel::Picupper:
            return picupper_;
        case Panel::Picrecord:
            return picrecord_;
        case Panel::Frmenu:
            return frmenu_;
        case Panel::Frsetting:
            return frsetting_;
        case Panel::Lbltime:
            return lbltime_;
        case Panel::Franswer:
            return franswer_;
        case Panel::Frcolour:
            return frcolour_;
        case Panel::Frgetstring:
            return frgetstring_;
        case Panel::Frinput:
            return frinput_;
        case Panel::Frerror:
            return frerror_;
        case Panel::Frshowresult:
            return frshowresult_;
        case Panel::Frtrialno:
            return frtrialno_;
        case Panel::Frmark:
            return frmark_;
        case Panel::Fraskcode:
            return fraskcode_;
        case Panel::Frgetresult:
            return frgetresult_;
        case Panel::Frgetname:
            return frgetname_;
        case Panel::Picwinners:
            return picwinners_;
        case Panel::Fredit:
            return fredit_;
    }
    return nullptr;
}

QPushButton* Fmmain::Controlbutton(Control c) const {
    switch (c) {
        case Control::Cmdstart:
            return cmdstart_;
        case Control::Cmdsubcol:
            return cmdsubcol_;
        case Control::Cmdsubnum:
            return cmdsubnum_;
        case Control::Cmdshowresult:
            return cmdshowresult_;
        case Control::Cmdoktrial:
            return cmdoktrial_;
        case Control::Cmdokmark:
            return cmdokmark_;
        case Control::Cmdready:
            return cmdready_;
        case Control::Cmdgetresult:
            return cmdgetresult_;
        case Control::Cmdokname:
            return cmdokname_;
        case Control::Cmdcontinue:
            return cmdcontinue_;
        case Control::Txtinput:
        case Control::Txtcorrect:
        case Control::Txtname:
        case Control::None:
            break;
    }
    return nullptr;
}

void Fmmain::Render() {
    const Mainview v = mod_.Describe();
    const bool all = !last_;
    const Mainview& was = all ? v : *last_;
    const bool boxClosed = !all && was.box && !v.box;
    const bool filesClosed = !all && was.files && !v.files;

    if (all || v.title != was.title) setWindowTitle(Q(v.title));
    if (all || v.status != was.status) stbmenu_->setText(Q(v.status));
    if (all || v.thinking != was.thinking) {
        if (v.thinking)
            setCursor(waitcursor_);
        else
            unsetCursor();
    }

    Rendertoolbar(v, all, was);
    if (all || !(v.menus == was.menus)) {
        mnugame_->menuAction()->setEnabled(v.menus.Mnugame);
        mnuoption_->menuAction()->setEnabled(v.menus.Mnuoption);
        mnuset_->setEnabled(v.menus.Mnuset);
        mnunew_->setEnabled(v.menus.Mnunew);
        mnuload_->setEnabled(v.menus.Mnuload);
        mnumedia_->menuAction()->setEnabled(v.menus.Mnumedia);
        mnudemo_->setEnabled(v.menus.Mnudemo);
        // A disabled submenu still lends its items' shortcuts, so they go too.
        mnusaving_->menuAction()->setEnabled(v.menus.Mnusaving);
        mnusave_->setEnabled(v.menus.Mnusaving);
        mnusaveas_->setEnabled(v.menus.Mnusaving);
        mnuend_->setEnabled(v.menus.Mnuend);
        mnuquit_->setEnabled(v.menus.Mnuquit);
        mnuhelp_->menuAction()->setEnabled(v.menus.Mnuhelp);
    }
    // A checkable item toggles itself when picked: its check is set anew every time.
    mnumouse_->setChecked(!v.keyboard);
    mnukey_->setChecked(v.keyboard);
    mnucolour_->setChecked(v.display == Displaymode::Colour);
    mnunumber_->setChecked(v.display == Displaymode::Number);

    Renderlists(v);
    if (all || v.setcontent != was.setcontent) Settext(lblsetcontent_, v.setcontent);
    if (all || v.timelabel != was.timelabel) Settext(lbltime_, v.timelabel);
    if (all || v.answercaption != was.answercaption) franswer_->setTitle(Q(v.answercaption));
    if (all || v.answer != was.answer) picanswer_->Setcode(v.answer);
    if (all || v.display != was.display) {
        picanswer_->Setmode(v.display);
        picrecord_->Setmode(v.display);
        picguess_->Setmode(v.display);
    }
    if (all || !(v.board == was.board)) {
        picrecord_->Setgame(v.board.codelength, v.board.fixedOrder);
        picrecord_->Setheading(Q(v.board.heading));
        picrecord_->Setrows(v.board.rows);
        picrecord_->Setcorrected(v.board.corrected);
    }
    Renderrow(v);
    Renderresult(v);
    Rendercomputer(v, all, was);
    Rendertopfive(v, all, was);
    Renderhelp(v, all, was);
    Renderdemo(v, all, was);

    for (int i = 0; i < kPanels; ++i) {
        const auto p = static_cast<Panel>(i);
        if (all || v.Shown(p) != was.Shown(p)) Panelwidget(p)->setVisible(v.Shown(p));
    }
    // The panels that can stand over the idle picture or the board come to the front.
    for (Panel p : {Panel::Frmenu, Panel::Frtrialno, Panel::Frmark, Panel::Fraskcode, Panel::Picwinners,
                    Panel::Frgetname})
        if (v.Shown(p) && (all || !was.Shown(p))) Panelwidget(p)->raise();
    cmderror_->setEnabled(v.errorEnabled);

    // A new trial to mark starts at its first count again, wherever the player left the focus.
    const bool refocus = all || boxClosed || v.focus != was.focus || v.keyboard != was.keyboard ||
                         v.Shown(Panel::Frinput) != was.Shown(Panel::Frinput) ||
                         v.Shown(Panel::Frgetresult) != was.Shown(Panel::Frgetresult) ||
                         v.entry.trials != was.entry.trials;
    last_ = v;
    Synctimers();
    Renderbox(v);
    Renderstatistics(v);
    if (refocus || filesClosed) Renderfocus(v, boxClosed || filesClosed);
    // Back from a box over the file window, its name box takes the keys again.
    if (boxClosed && files_) {
        files_->activateWindow();
        files_->Txtfiles()->setFocus();
    }
    if (v.quit) QCoreApplication::quit();
}

void Fmmain::Renderlists(const Mainview& v) {
    rendering_ = true;
    for (size_t i = 0; i < listBoxes_.size(); ++i) Setlist(listBoxes_[i], v.lists[i]);
    rendering_ = false;
    cmdstart_->setEnabled(v.startEnabled);
}

void Fmmain::Renderrow(const Mainview& v) {
    for (int c = 0; c < 10; ++c) {
        PieceCell* cell = colourcells_[static_cast<size_t>(c)];
        cell->setVisible(c < v.colours);
        cell->Setborder(v.colourBorder[static_cast<size_t>(c)]);
        const QString tip = Q(v.colourTip[static_cast<size_t>(c)]);
        if (cell->toolTip() != tip) cell->setToolTip(tip);
    }
    for (int p = 0; p < 8; ++p) {
        PieceCell* cell = stringcells_[static_cast<size_t>(p)];
        cell->setVisible(p < v.rowlength);
        const int colour = v.row[static_cast<size_t>(p)];
        if (colour == kEmptycell && v.blanks)
            cell->Setblank();
        else
            cell->Setcolour(colour == kEmptycell ? Backgroundcolour() : Panelcolour(colour));
        cell->Setcaption(colour == kEmptycell ? QString() : QString::number(colour));
    }
    Settext(lblgetstring_, v.getstringPrompt);
    Settext(lblinput_, v.inputPrompt);
    Settext(txtinput_, v.inputText);
    Settext(lblgetrefusal_, v.refusal);
    Settext(lblinputrefusal_, v.refusal);
    cmdsubcol_->setEnabled(v.subcolEnabled);
    cmdsubnum_->setEnabled(v.subnumEnabled);
    for (Control c : {Control::Cmdstart, Control::Cmdsubcol, Control::Cmdsubnum, Control::Cmdshowresult,
                      Control::Cmdoktrial, Control::Cmdokmark, Control::Cmdready, Control::Cmdgetresult})
        Controlbutton(c)->setDefault(c == v.defaultControl);
}

void Fmmain::Renderresult(const Mainview& v) {
    Settext(lbltrials_, v.trials);
    Settext(lblcorrect_, v.correct);
    Settext(lblwrong_, v.wrong);
    piccorrect_->Setcount(v.blacks);
    piccorrect_->Setfill(v.fixedOrder ? QColor(192, 192, 192) : QColor(Qt::black));
    picwrong_->Setcount(v.fixedOrder ? 0 : v.whites);
    frwrong_->setVisible(!v.fixedOrder);
}

void Fmmain::Renderbox(const Mainview& v) {
    if (message_ && (!v.box || v.box->serial != messageSerial_)) {
        message_->hide();
        message_->deleteLater();
        message_ = nullptr;
    }
    Renderfiles(v);
    if (!v.box) return;
    if (!message_) {
        // Over the file window, a box belongs to it, so it is the one kept waiting.
        message_ = new Fmmessage(programFolder_, files_ ? static_cast<QWidget*>(files_) : this);
        messageSerial_ = v.box->serial;
        connect(message_, &Fmmessage::Buttonpressed, this,
                [this](Msgbutton b) { Forward([&] { mod_.Messagebutton_Click(b); }); });
        message_->Show(*v.box);
        message_->open();
    }
}

void Fmmain::Renderfiles(const Mainview& v) {
    if (files_ && !v.files) {
        files_->hide();
        files_->deleteLater();
        files_ = nullptr;
    }
    if (!v.files) return;
    const bool fresh = !files_;
    if (fresh) {
        files_ = new Fmfiles(
            [this](const std::function<void(Tallimormod&)>& handler) { Forward([&] { handler(mod_); }); },
            this);
        files_->setWindowModality(Qt::WindowModal);
    }
    files_->Show(*v.files);
    if (fresh) {
        files_->show();
        files_->Txtfiles()->setFocus();
    }
}

void Fmmain::Renderfocus(const Mainview& v, bool boxClosed) {
    if (v.box || v.files) return;  // the window over this one has the focus
    // Back from a box, the main window is active again, so F1 to F9 work at once.
    if (boxClosed) activateWindow();
    QWidget* target = v.focus == Control::Txtinput     ? static_cast<QWidget*>(txtinput_)
                      : v.focus == Control::Txtcorrect ? static_cast<QWidget*>(txtcorrect_)
                      : v.focus == Control::Txtname    ? static_cast<QWidget*>(txtname_)
                                                       : Controlbutton(v.focus);
    if (target && target->isVisible() && target->isEnabled())
        target->setFocus();
    else if (boxClosed)
        centralWidget()->setFocus();
}

void Fmmain::Synctimers() {
    const Timerset& timers = mod_.Timers();
    for (size_t i = 0; i < timers.size(); ++i) {
        QTimer* timer = timers_[i];
        const Logicaltimer& t = timers[i];
        if (!t.enabled) {
            timer->stop();
        } else if (!timer->isActive() || timerGenerations_[i] != t.generation) {
            timer->start(t.interval);
        }
        timerGenerations_[i] = t.generation;
    }
}

}  // namespace tallimor
