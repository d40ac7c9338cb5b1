// The main window's shell: the Game Setting Menu and its Cancel, the mouse
// and keyboard input, the display modes, the menu availability, the
// time-outs and the Quit question, and the message box itself.

#include <QImage>
#include <QMenu>
#include <QtTest>

#include "window_harness.h"

using namespace tallimor;

namespace {

struct Listsnapshot {
    QStringList items[7];
    QString shown[7];
};

constexpr const char* kLists[7] = {"Cbwho",  "Cbcolour", "Cbstart", "Cblength",
                                   "Cbhint", "Cborder",  "Cbrepeat"};

Listsnapshot Snapshot(const Harness& h) {
    Listsnapshot s;
    for (int i = 0; i < 7; ++i) {
        s.items[i] = h.Items(kLists[i]);
        s.shown[i] = h.Shownitem(kLists[i]);
    }
    return s;
}

void Comparelists(const Listsnapshot& a, const Listsnapshot& b) {
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(a.items[i], b.items[i]);
        QCOMPARE(a.shown[i], b.shown[i]);
    }
}

QStringList Rowcaptions(const Harness& h, int length) {
    QStringList captions;
    for (int p = 0; p < length; ++p) captions << h.Text(QString("Lblstring%1").arg(p));
    return captions;
}

bool Border(const Harness& h, int colour) {
    return h.Find<QFrame>(QString("Piccolour%1").arg(colour))->frameShape() != QFrame::NoFrame;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
   private slots:
    void opensIdleAndFitsTheScreen() {
        Harness h;
        QCOMPARE(h.w->windowTitle(), QString("Tallimor"));
        QVERIFY(h.w->frameGeometry().width() <= 800);
        QVERIFY(h.w->frameGeometry().height() <= 600);
        QVERIFY(h.Shown("Picfore"));
        QVERIFY(!h.Shown("Frmenu"));
        QCOMPARE(h.Statustrimmed(),
                 QString("Choose an option from the pulldown menu or the toolbar. Demo will start "
                         "automatically in five minutes."));
        QVERIFY(h.w->Tmrwait()->isActive());
        QCOMPARE(h.Find<QAction>("Mnuset")->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(h.Find<QAction>("Mnuquit")->text(), QString("Quit(&Q)"));
        QVERIFY(h.Find<QAction>("Mnumouse")->isChecked());
        QVERIFY(h.Find<QAction>("Mnucolour")->isChecked());
    }

    void cancelOfTheSettingMenuRestoresEveryList() {
        Harness h;
        h.w->Mnuset_Click();
        const Listsnapshot before = Snapshot(h);
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Frmenu"));
        QVERIFY(!h.Find<QAction>("Mnuset")->isEnabled());
        h.Choose("Cbwho", "Watch computer play");
        h.Choose("Cbcolour", "7");
        h.Choose("Cbstart", "Middle");
        h.Choose("Cblength", "Unspecified (3 - 5)");
        h.Choose("Cbhint", "May contain error(s)");
        h.Choose("Cborder", "Random order");
        h.Choose("Cbrepeat", "Each colour at most 2 times");
        QCOMPARE(h.Items("Cbwho"), (QStringList{"You guess", "Watch computer play"}));
        QCOMPARE(h.Items("Cbcolour"), (QStringList{"7", "8", "9", "10"}));
        QCOMPARE(h.Items("Cblength").first(), QString("3"));
        QVERIFY(!h.Find<QPushButton>("Cmdstart")->isEnabled());  // the computer's play comes later
        h.Click("Cmdcancel");
        QVERIFY(!h.Shown("Frmenu"));
        Comparelists(Snapshot(h), before);
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Picfore"));

        // The menu's time-out cancels it the same way.
        h.w->Mnuset_Click();
        h.Choose("Cblength", "8");
        QCOMPARE(h.Items("Cbcolour"), QStringList{"10"});
        h.Wait(299);
        QVERIFY(h.Shown("Frmenu"));
        h.Wait(1);
        QVERIFY(!h.Shown("Frmenu"));
        Comparelists(Snapshot(h), before);
    }

    void cancelRestoresARoleThatTheHintListHadRemoved() {
        Harness h;
        h.w->hooks.Computergame = [] {};
        h.Start({{"Cbwho", "Computer guesses"}, {"Cbcolour", "5"}});
        QCOMPARE(h.w->State().Settings.Who, int16_t(2));
        h.w->Finishgame();
        h.w->Mnuset_Click();
        const Listsnapshot before = Snapshot(h);
        QCOMPARE(h.Items("Cbhint"), QStringList{"No error"});
        h.Choose("Cbwho", "You guess");
        h.Choose("Cbhint", "May contain error(s)");
        h.Choose("Cbcolour", "9");
        h.Choose("Cblength", "Unspecified (3 - 7)");
        QVERIFY(!h.Items("Cbwho").contains("Computer guesses"));
        h.Click("Cmdcancel");
        Comparelists(Snapshot(h), before);
    }

    void fixedOrderRowsSortAndColoursLoseTheirBorderAtTheLimit() {
        Harness h;
        h.Start({{"Cblength", "4"}});  // ten colours, fixed order, no repetition
        for (int c : {7, 2, 5}) h.Doubleclick(QString("Lblcolour%1").arg(c));
        QCOMPARE(Rowcaptions(h, 4), (QStringList{"2", "5", "7", ""}));
        QCOMPARE(h.Find<QFrame>("Picstring0")->palette().color(QPalette::Window), Panelcolour(2));
        QVERIFY(!Border(h, 7));
        QVERIFY(Border(h, 3));
        QVERIFY(!h.Find<QPushButton>("Cmdsubcol")->isEnabled());
        h.Doubleclick("Lblcolour7");  // no border: nothing happens
        QCOMPARE(Rowcaptions(h, 4), (QStringList{"2", "5", "7", ""}));
        h.Doubleclick("Lblstring1");  // a filled position empties
        QCOMPARE(Rowcaptions(h, 4), (QStringList{"2", "7", "", ""}));
        QVERIFY(Border(h, 5));
        h.w->Frcolour_DragDrop({DragSource::Position, 0});  // back to the panel
        QCOMPARE(Rowcaptions(h, 4), (QStringList{"7", "", "", ""}));
        for (int c : {9, 0, 4}) h.Doubleclick(QString("Lblcolour%1").arg(c));
        QCOMPARE(Rowcaptions(h, 4), (QStringList{"0", "4", "7", "9"}));
        QVERIFY(h.Find<QPushButton>("Cmdsubcol")->isEnabled());
        QVERIFY(h.Find<QPushButton>("Cmdsubcol")->isDefault());
        h.Click("Cmdsubcol");
        QCOMPARE(h.w->State().Guessstr, std::string("0479"));
        QCOMPARE(h.w->State().Currenttrial, int16_t(1));
    }

    void randomOrderDropsPlaceMoveAndExchange() {
        Harness h;
        h.Start({{"Cbcolour", "6"},
                 {"Cblength", "4"},
                 {"Cborder", "Random order"},
                 {"Cbrepeat", "Each colour at most 2 times"}});
        h.w->Lblstring_DragDrop({DragSource::Colour, 3}, 1);
        h.w->Lblstring_DragDrop({DragSource::Colour, 3}, 3);
        QVERIFY(!Border(h, 3));
        h.w->Lblstring_DragDrop({DragSource::Colour, 3}, 0);  // at its limit: refused
        QCOMPARE(Rowcaptions(h, 4), (QStringList{"", "3", "", "3"}));
        h.w->Lblstring_DragDrop({DragSource::Colour, 5}, 3);  // replaces a 3, which is free again
        QVERIFY(Border(h, 3));
        QCOMPARE(Rowcaptions(h, 4), (QStringList{"", "3", "", "5"}));
        h.w->Lblstring_DragDrop({DragSource::Position, 1}, 3);  // exchange
        QCOMPARE(Rowcaptions(h, 4), (QStringList{"", "5", "", "3"}));
        h.w->Lblstring_DragDrop({DragSource::Position, 1}, 2);  // move to an empty position
        QCOMPARE(Rowcaptions(h, 4), (QStringList{"", "", "5", "3"}));
        QVERIFY(!h.Find<QWidget>("Picstring1")->parentWidget()->isHidden());
        QVERIFY(h.Find<QWidget>("Picstring5")->parentWidget()->isHidden());  // only the code's length shows
        QVERIFY(!h.Find<QPushButton>("Cmdsubcol")->isEnabled());
        h.Doubleclick("Lblcolour0");
        h.Doubleclick("Lblcolour1");
        QCOMPARE(Rowcaptions(h, 4), (QStringList{"0", "1", "5", "3"}));
        QVERIFY(h.Find<QPushButton>("Cmdsubcol")->isEnabled());
    }

    void switchingTheInputMethodStartsTheStringAfresh() {
        Harness h;
        h.Start({{"Cbcolour", "6"}, {"Cblength", "4"}, {"Cborder", "Random order"}});
        h.Doubleclick("Lblcolour2");
        h.Doubleclick("Lblcolour4");
        h.Find<QAction>("Mnukey")->trigger();
        QVERIFY(h.w->Keyboardinput());
        QVERIFY(h.Find<QAction>("Mnukey")->isChecked());
        QVERIFY(!h.Find<QAction>("Mnumouse")->isChecked());
        QVERIFY(h.Shown("Frinput"));
        QVERIFY(!h.Shown("Frgetstring"));
        QVERIFY(h.Shown("Frcolour"));
        QCOMPARE(h.Find<QLineEdit>("Txtinput")->text(), QString());
        for (int c = 0; c < 6; ++c) QVERIFY(!Border(h, c));
        QTest::keyClicks(h.Find<QLineEdit>("Txtinput"), "15");
        h.Find<QAction>("Mnumouse")->trigger();
        QVERIFY(h.Shown("Frgetstring"));
        QVERIFY(!h.Shown("Frinput"));
        QCOMPARE(Rowcaptions(h, 4), (QStringList{"", "", "", ""}));
        for (int c = 0; c < 6; ++c) QVERIFY(Border(h, c));
        QVERIFY(h.Find<QWidget>("Piccolour6")->parentWidget()->isHidden());  // six colours in play
    }

    void displayModeRedrawsTheRecordAndTheAnswer() {
        Harness h;
        h.Start({{"Cbcolour", "6"}, {"Cblength", "4"}, {"Cborder", "Random order"}});
        const std::string answer = h.Answer();
        const std::string guess = answer.substr(1) + answer.substr(0, 1);
        h.Drop(guess);
        h.Click("Cmdshowresult");
        RecordBoard* board = h.Find<RecordBoard>("Picrecord");
        const QPoint box = board->Guessbox(1, 0);
        QCOMPARE(board->grab().toImage().pixelColor(box), Panelcolour(guess[0] - '0'));
        h.Find<QAction>("Mnunumber")->trigger();
        QCOMPARE(board->Mode(), Displaymode::Number);
        QVERIFY(h.Find<QAction>("Mnunumber")->isChecked());
        QVERIFY(board->grab().toImage().pixelColor(box) != Panelcolour(guess[0] - '0'));
        QCOMPARE(board->Rows().at(1).Trialguess, guess);
        h.Find<QAction>("Mnucolour")->trigger();
        QCOMPARE(board->grab().toImage().pixelColor(box), Panelcolour(guess[0] - '0'));
    }

    void menuAvailabilityFollowsTheGame() {
        Harness h;
        auto enabled = [&](const char* name) { return h.Find<QAction>(name)->isEnabled(); };
        QVERIFY(enabled("Mnuset") && enabled("Mnunew") && enabled("Mnuquit"));
        QVERIFY(!enabled("Mnuend"));
        h.w->Mnuset_Click();
        QVERIFY(!enabled("Mnuset") && !enabled("Mnunew") && !enabled("Mnuend"));
        h.Choose("Cbcolour", "6");
        h.Choose("Cblength", "4");
        h.Choose("Cborder", "Random order");
        h.Click("Cmdstart");
        QVERIFY(!enabled("Mnuset") && !enabled("Mnunew"));
        QVERIFY(enabled("Mnuend"));
        h.Drop(h.Answer().substr(2) + h.Answer().substr(0, 2));
        QVERIFY(!enabled("Mnuend"));
        QVERIFY(!h.Find<QMenu>("Mnuoption")->menuAction()->isEnabled());
        QVERIFY(!h.w->Menus().Mnusaving);
        h.Click("Cmdshowresult");
        QVERIFY(enabled("Mnuend"));
        QVERIFY(h.Find<QMenu>("Mnuoption")->menuAction()->isEnabled());
        QVERIFY(h.w->Menus().Mnusaving);
        // F2 starts a new game with the setting of the last one.
        h.w->Mnuend_Click();
        h.Press("Cmdl2");
        h.w->Tmrbuffer_Timer();
        h.Press("Cmdr3");
        h.Find<QAction>("Mnunew")->trigger();
        QCOMPARE(h.w->State().Settings.Colours, int16_t(6));
        QCOMPARE(h.w->State().Currenttrial, int16_t(0));
        QVERIFY(h.Shown("Frgetstring"));
    }

    void timeOutsPressTheButtonsOfTheirWaits() {
        Harness h;
        h.Start({{"Cbcolour", "6"}, {"Cblength", "4"}, {"Cborder", "Random order"}});
        const std::string answer = h.Answer();
        h.Drop(answer.substr(1) + answer.substr(0, 1));
        h.Wait(59);
        QVERIFY(h.Shown("Frshowresult"));
        h.Wait(1);  // "OK" of the result
        QVERIFY(!h.Shown("Frshowresult"));
        QVERIFY(h.Shown("Frgetstring"));
        QVERIFY(!h.w->Tmrwait()->isActive());  // the guess itself waits without a time-out

        h.Drop(answer.substr(1) + answer.substr(0, 1));  // refused: "Same"
        QCOMPARE(h.Box()->Tag(), QString("Same"));
        h.Wait(899);
        QVERIFY(h.Box());
        h.Wait(1);  // its "OK"
        QVERIFY(!h.Box());
        QVERIFY(h.Shown("Frgetstring"));

        h.w->Mnuend_Click();
        h.Wait(60);  // an unanswered End Game question keeps the game
        QVERIFY(!h.Box());
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Frgetstring1"));
        QVERIFY(h.Shown("Frgetstring"));

        h.Drop(answer);
        QCOMPARE(h.Box()->Tag(), QString("Win"));
        h.Wait(900);  // "End" of the win
        QVERIFY(!h.Box());
        QVERIFY(h.Shown("Picfore"));
        QCOMPARE(h.w->Waitstack().Timeout(), int16_t(300));

        h.Start({{"Cbcolour", "6"}, {"Cblength", "4"}, {"Cborder", "Random order"}});
        h.Drop(h.Answer().substr(1) + h.Answer().substr(0, 1));
        h.Clockto(3601);
        QCOMPARE(h.Box()->Tag(), QString("Gameover1"));
        h.Wait(900);  // "End" of the game over
        QVERIFY(h.Shown("Picfore"));

        h.Start({});
        h.Clockto(3300);
        QCOMPARE(h.Box()->Tag(), QString("Warning"));
        h.Wait(60);  // "OK" of the warning
        QVERIFY(!h.Box());
        QVERIFY(h.Shown("Frgetstring"));
        h.Clockto(3601);
        QCOMPARE(h.Box()->Tag(), QString("Gameover0"));
        h.Wait(60);  // "OK" of the game over before any guess
        QVERIFY(!h.Box());
        QVERIFY(h.Shown("Picfore"));
    }

    void quitAsksFirstAndCancelRestoresTheIdleWait() {
        Harness h;
        h.Find<QAction>("Mnuquit")->trigger();
        QCOMPARE(h.Box()->windowTitle(), QString("Quit Programme?"));
        QCOMPARE(h.Boxtext(), QString("Are you sure you want to quit this programme?"));
        QCOMPARE(h.Box()->Icon(), '?');
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Mnuquit+Picfore"));
        QVERIFY(h.Statustrimmed().startsWith("Press one button."));
        h.Press("Cmdr2");
        QVERIFY(!h.Box());
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Picfore"));
        QCOMPARE(h.w->Waitstack().Timeout(), int16_t(300));
        QVERIFY(h.w->Tmrwait()->isActive());
        QVERIFY(h.Statustrimmed().startsWith("Choose an option"));
        QCOMPARE(h.quits, 0);

        h.w->Mnuquit_Click();
        h.Wait(60);  // unanswered: cancelled
        QVERIFY(!h.Box());
        QCOMPARE(h.quits, 0);
        h.w->Mnuquit_Click();
        h.Press("Cmdl2");
        QCOMPARE(h.quits, 1);
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
        QVERIFY(!box.Button(Msgbutton::Cmdl2)->isHidden());
        QVERIFY(box.Button(Msgbutton::Cmdl2)->isDefault());
        QCOMPARE(box.Piclogo()->pixmap().toImage().pixelColor(16, 16), QColor(0, 0, 255));
        box.Messagebox(3, '!', "", "Save File", "Change Display", "End", "", Msgbutton::Cmdr3, "Win", "Win");
        QVERIFY(box.Button(Msgbutton::Cmdl2)->isHidden());
        QVERIFY(box.Button(Msgbutton::Cmdr2)->isHidden());
        QVERIFY(!box.Button(Msgbutton::Cmdl3)->isHidden());
        QVERIFY(!box.Button(Msgbutton::Cmdmid)->isHidden());
        QVERIFY(!box.Button(Msgbutton::Cmdr3)->isHidden());
        QVERIFY(box.Button(Msgbutton::Cmdr3)->isDefault());
        QVERIFY(!box.Button(Msgbutton::Cmdl2)->isDefault());
        QCOMPARE(box.Tag(), QString("Win"));
        QCOMPARE(box.windowTitle(), QString("Win"));
        // No warning file in the folder: a drawn icon, not the question's picture.
        QVERIFY(box.Piclogo()->pixmap().toImage().pixelColor(16, 16) != QColor(0, 0, 255));
        QCOMPARE(box.Icon(), '!');
        box.Messagebox(7, 'Z', "", "", "OK", "", "", Msgbutton::Cmdmid, "Same", "Inappropriate Input");
        QVERIFY(!box.Button(Msgbutton::Cmdr3)->isHidden());  // an unknown count keeps the buttons
        QCOMPARE(box.Icon(), '!');                           // and an unknown letter the picture
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
