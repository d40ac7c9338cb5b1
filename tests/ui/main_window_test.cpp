// The main window draws what the game module describes and hands it real
// clicks, keys and drops: one key press does one thing, the focus follows the
// panel, and the designer's windows stand in for it.

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/fmfiles.h"
#include "ui/fmmain.h"
#include "ui/fmmessage.h"
#include "ui/fmstat.h"

using namespace tallimor;

class MainWindowTest : public QObject {
    Q_OBJECT

    double now_ = 50000;
    QTemporaryDir folder_;
    std::unique_ptr<Fmmain> w_;

    // A missing control is a fault of the window: the test stops there.
    template <class T = QWidget>
    T* Find(const char* name) const {
        T* found = w_->findChild<T*>(name);
        if (!found) qFatal("no control %s", name);
        return found;
    }
    bool Visible(const char* name) const { return Find(name)->isVisible(); }
    void Key(Qt::Key key) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w_.get();
        QTest::keyClick(target, key);
    }
    // Three colours of the default setting that are none of the answer's.
    std::string Miss() const {
        std::string guess;
        for (char c = '0'; guess.size() < 3; ++c)
            if (w_->Module().State().Answer.find(c) == std::string::npos) guess += c;
        return guess;
    }
    // Opens the Game Setting Menu with F1 and starts the game with Enter.
    void Startbykeys() {
        Key(Qt::Key_F1);
        QVERIFY(Visible("Frmenu"));
        Key(Qt::Key_Return);
        QVERIFY(!Visible("Frmenu"));
    }

    void Open(bool designer) {
        w_ = std::make_unique<Fmmain>(folder_.path(), [this] { return now_; });
        if (designer) w_->Setdesigner();
        w_->show();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    // The designer's Game Setting Menu, with its statistics buttons.
    void Designermenu() {
        Open(true);
        Key(Qt::Key_F1);
        QVERIFY(Visible("Frmenu") && Visible("Cmdstat"));
    }

   private slots:
    void init() { Open(false); }
    void cleanup() { w_.reset(); }

    void enterPressesOneButtonOfThePanelOnShow() {
        Startbykeys();
        const std::string answer = w_->Module().State().Answer;
        Key(Qt::Key_Return);  // Start is hidden with its menu: the game stays
        QCOMPARE(w_->Module().State().Answer, answer);
        const std::string guess = Miss();
        for (char c : guess) QTest::mouseDClick(Find(QString("Lblcolour%1").arg(c).toUtf8()), Qt::LeftButton);
        Key(Qt::Key_Return);  // Submit
        QVERIFY(Visible("Frshowresult") && Find<QPushButton>("Cmdshowresult")->hasFocus());
        Key(Qt::Key_Return);  // OK
        QCOMPARE(Find<RecordBoard>("Picrecord")->Rows().at(1).Trialguess, guess);
    }

    void aRefusalLineAndThePressedSwitchesRender() {
        Startbykeys();  // "No repetition"
        QTest::mouseDClick(Find("Lblcolour3"), Qt::LeftButton);
        QVERIFY(Find<QLabel>("Lblgetrefusal")->text().isEmpty());
        QTest::mouseDClick(Find("Lblcolour3"), Qt::LeftButton);
        const QString refusal = Find<QLabel>("Lblgetrefusal")->text();
        QVERIFY(!refusal.isEmpty() && Visible("Lblgetrefusal"));
        QCOMPARE(Find("Lblcolour3")->parentWidget()->toolTip(), refusal);

        auto pressed = [this](int i) {
            return Find<QAction>(QString("Tlbgame%1").arg(i).toUtf8())->isChecked();
        };
        Find<QAction>("Tlbgame10")->trigger();
        QVERIFY(!pressed(9) && pressed(10) && Find<QAction>("Mnukey")->isChecked());
        Find<QAction>("Tlbgame10")->trigger();  // already in force: it stays pressed
        QVERIFY(pressed(10));
        QTest::keyClicks(Find("Txtinput"), "12b");
        QVERIFY(Find<QLineEdit>("Txtinput")->text() == "12" && Visible("Lblinputrefusal") &&
                !Find<QLabel>("Lblinputrefusal")->text().isEmpty());
    }

    void aDropReachesTheModuleAndTheBoxTimesOutBackToTheWindow() {
        Startbykeys();
        auto* cell = qobject_cast<PieceCell*>(Find("Picstring0")->parentWidget());
        QVERIFY(cell);
        QMimeData* mime = Encodesource({DragSource::Colour, 4});
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        // Qt routes a drop only to the target of a drag in progress: hand it to the cell itself.
        static_cast<QObject*>(cell)->event(&drop);
        delete mime;
        QVERIFY(drop.isAccepted() && w_->Module().Row().Cell(0) == 4);

        Key(Qt::Key_F5);
        QVERIFY(w_->Message());
        now_ += 60;
        w_->Tick(Timerid::Tmrwait);  // unanswered: cancelled
        QVERIFY(!w_->Message());
        QTRY_VERIFY(w_->isActiveWindow());
        Key(Qt::Key_F5);  // the shortcuts work at once
        QVERIFY(w_->Message());
    }

    void aQualifyingWinTakesATypedNameIntoTheList() {
        Find<QAction>("Mnukey")->trigger();
        Startbykeys();
        QTest::keyClicks(Find("Txtinput"), QString::fromStdString(w_->Module().State().Answer));
        Key(Qt::Key_Return);
        QVERIFY(w_->Message());
        QTest::mouseClick(w_->Message()->Button(Msgbutton::Cmdr3), Qt::LeftButton);  // End
        QTRY_VERIFY(Visible("Frgetname"));
        QTRY_COMPARE(QApplication::focusWidget(), Find("Txtname"));
        QTest::keyClicks(QApplication::focusWidget(), "Eve Marlowe-Quinton");
        QCOMPARE(Find<QLineEdit>("Txtname")->text(), QString("Eve Marlowe-Qui"));
        Key(Qt::Key_Return);
        QVERIFY(Visible("Picwinners") && !Visible("Frgetname"));
        Key(Qt::Key_Return);  // Continue
        QVERIFY(Visible("Picfore") && !Visible("Picwinners"));
    }

    void aKeyboardGameIsSavedAndItsFileDeletedByKeys() {
        Find<QAction>("Mnukey")->trigger();
        Startbykeys();
        QCOMPARE(QApplication::focusWidget(), Find("Txtinput"));
        QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(Miss()));
        Key(Qt::Key_Return);  // one Enter submits, the next accepts the hint
        QVERIFY(Visible("Frshowresult") && Find<RecordBoard>("Picrecord")->Rows().empty());
        Key(Qt::Key_Return);
        QCOMPARE(Find<RecordBoard>("Picrecord")->Rows().size(), size_t(1));
        QVERIFY(Find<QLineEdit>("Txtinput")->hasFocus());
        Key(Qt::Key_F4);  // never saved: Save As
        auto* files = w_->findChild<Fmfiles*>("Fmfiles");
        QVERIFY(files && files->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), files->Txtfiles());
        QTest::keyClicks(files->Txtfiles(), "kept");
        QTest::keyClick(files->Txtfiles(), Qt::Key_Return);
        const QString path = folder_.path() + "/Files/kept.mm";
        QVERIFY(QFile::exists(path) && w_->windowTitle() == "Saved Game - " + path);
        QTRY_VERIFY(!w_->findChild<Fmfiles*>("Fmfiles") && Find<QLineEdit>("Txtinput")->hasFocus());

        Key(Qt::Key_F5);
        QTest::keyClick(w_->Message(), Qt::Key_Return);  // OK: the game ends
        QTRY_VERIFY(w_->Message());
        QTest::mouseClick(w_->Message()->Button(Msgbutton::Cmdr3), Qt::LeftButton);  // End
        QTRY_VERIFY(Visible("Picfore") && w_->isActiveWindow());
        Key(Qt::Key_F3);
        files = w_->findChild<Fmfiles*>("Fmfiles");
        QVERIFY(files && files->Cmdopen()->isVisible() && !files->Cmdsave()->isVisible());
        QListWidget* list = files->Filfiles();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(files->Txtfiles()->text(), QString("kept.mm"));
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(w_->Message());
        QTest::keyClick(w_->Message(), Qt::Key_Return);  // Yes
        QVERIFY(!QFile::exists(path) && list->count() == 0);
        QTest::keyClick(files->Txtfiles(), Qt::Key_Escape);  // Cancel
        QTRY_VERIFY(!w_->findChild<Fmfiles*>("Fmfiles"));
    }

    void theStatusTextIsDrawnAtTheFirstRenderBeforeAnyEvent() {
        QTemporaryDir folder;
        Fmmain fresh(folder.path(), [this] { return now_; });  // never shown, no event yet
        QCOMPARE(fresh.findChild<QLabel*>("Stbmenu")->text(),
                 QString::fromStdString(fresh.Module().Describe().status));
    }

    void escapeEndsTheDemoAsAClickOnTheRecordDoes() {
        const std::string idle = w_->Module().Describe().status;
        Key(Qt::Key_Escape);  // on the idle screen it changes nothing
        QCOMPARE(w_->Module().Describe().status, idle);
        for (const bool click : {true, false}) {
            Key(Qt::Key_F9);
            QVERIFY(w_->Module().Demorunning() && Visible("Picrecord") && !Visible("Picfore"));
            if (click)
                QTest::mouseClick(Find("Picrecord"), Qt::LeftButton);
            else
                Key(Qt::Key_Escape);
            QVERIFY(!w_->Module().Demorunning());
            QVERIFY(Visible("Picfore") && !Visible("Picrecord") && !Visible("Frscroll"));
            QCOMPARE(Find<QLabel>("Stbmenu")->text().toStdString(), idle);
            QVERIFY(Find<QAction>("Mnudemo")->isEnabled());
        }
    }

    void theComputersGameTakesItsHintsByKeysThroughItsPanels() {
        Find<QAction>("Mnukey")->trigger();
        Key(Qt::Key_F1);
        for (const char* list : {"Cbwho", "Cborder"}) Find<QComboBox>(list)->setCurrentIndex(1);
        Key(Qt::Key_Return);
        QVERIFY(Visible("Frmark") && Find<QRadioButton>("Optnomark")->isChecked());
        QTest::mouseClick(Find("Optyesmark"), Qt::LeftButton);
        QVERIFY(w_->Module().Computermarks());
        QTest::mouseClick(Find("Optnomark"), Qt::LeftButton);
        Key(Qt::Key_Return);
        QVERIFY(Visible("Fraskcode") && Find("Cmdready")->hasFocus());
        Key(Qt::Key_Return);
        QTRY_VERIFY(Visible("Cmdwin"));  // the computer's guess comes on the delay timer
        QCOMPARE(Find<CodeView>("Picguess")->Code(), w_->Module().State().Guessstr);
        auto* correct = Find<QLineEdit>("Txtcorrect");
        QVERIFY(correct->hasFocus());
        QTest::keyClicks(correct, "x12");          // one digit a box, and only a digit the guess can get
        QTest::keyClicks(Find("Txtwrong"), "32");  // 3 whites are too many
        QCOMPARE(correct->text() + Find<QLineEdit>("Txtwrong")->text(), QString("12"));
        for (const char* name : {"Lblgetcorr", "Lblgetwrong"}) {
            auto* label = Find<QLabel>(name);
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
        }
        Key(Qt::Key_Return);
        QCOMPARE(Find<RecordBoard>("Picrecord")->Rows().at(1).Trialwhite, 2);
        QTRY_VERIFY(Visible("Cmdwin"));
        QTest::mouseClick(Find("Cmdwin"), Qt::LeftButton);
        QVERIFY(w_->Message() && !Visible("Frgetresult"));
    }

    void messageBoxShowsOnlyItsButtonsAndItsIcon() {
        QTemporaryDir folder;
        QDir(folder.path()).mkpath("Icon");
        QImage blue(32, 32, QImage::Format_ARGB32);
        blue.fill(QColor(0, 0, 255));
        QVERIFY(blue.save(folder.path() + "/Icon/W95mbx02.ico", "ICO"));
        QWidget owner;
        Fmmessage box(folder.path() + "/", &owner);
        box.Messagebox(2, '?', "OK", "", "", "", "Cancel", Msgbutton::Cmdl2, "Mnuend", "End Game?");
        QVERIFY(!box.Button(Msgbutton::Cmdl2)->isHidden() && box.Button(Msgbutton::Cmdl2)->isDefault());
        QCOMPARE(box.Piclogo()->pixmap().toImage().pixelColor(16, 16), QColor(0, 0, 255));
        box.Messagebox(3, '!', "", "Save File", "Change Display", "End", "", Msgbutton::Cmdr3, "Win", "Win");
        QVERIFY(box.Button(Msgbutton::Cmdl2)->isHidden() && box.Button(Msgbutton::Cmdr2)->isHidden() &&
                !box.Button(Msgbutton::Cmdl3)->isHidden() && !box.Button(Msgbutton::Cmdmid)->isHidden());
        QVERIFY(box.Button(Msgbutton::Cmdr3)->isDefault() && !box.Button(Msgbutton::Cmdl2)->isDefault());
        // No warning file in the folder: a drawn icon, not the question's picture.
        QVERIFY(box.Piclogo()->pixmap().toImage().pixelColor(16, 16) != QColor(0, 0, 255));
        box.Messagebox(7, 'Z', "", "", "OK", "", "", Msgbutton::Cmdmid, "Same", "Inappropriate Input");
        QVERIFY(!box.Button(Msgbutton::Cmdr3)->isHidden());  // an unknown count keeps the buttons
        QCOMPARE(box.Icon(), '!');                           // and an unknown letter the picture
    }

    void theStatisticsListStandsInPlaceOfTheWindowUntilBack() {
        Designermenu();
        QTest::mouseClick(Find("Cmdstat"), Qt::LeftButton);
        auto* fmstat = Find<Fmstat>("Fmstat");
        QVERIFY(fmstat->isVisible() && !w_->isVisible() && fmstat->Lststat()->count() == 4272);
        QTest::mouseClick(Find("Cmdback"), Qt::LeftButton);
        QVERIFY(!fmstat->isVisible() && w_->isVisible() && Visible("Frmenu"));
    }

    void anEndedSimulationReportsInTheSystemsBox() {
        Designermenu();
        QTest::mouseClick(Find("Cmdsimulate"), Qt::LeftButton);
        QVERIFY(w_->Module().Demorunning());
        // The delay timer's steps, without waiting for them, up to the first win.
        for (int i = 0; i < 50 && Gamestatustext(w_->Module().State().Gamestatus) != "Next Demo"; ++i)
            w_->Tick(Timerid::Tmrdelay);
        QTest::mouseClick(Find("Picrecord"), Qt::LeftButton);
        QVERIFY(!w_->Module().Demorunning());
        w_->Tick(Timerid::Tmrbuffer);
        auto* box = Find<QMessageBox>("Systembox");
        QVERIFY(box->isVisible() && box->icon() == QMessageBox::Information);
        QVERIFY2(box->text().contains(" / 1 = "), qPrintable(box->text()));
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        QVERIFY(!w_->Module().Describe().systembox);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
