// Whole games played through the main window: wins by mouse and keyboard, the
// end after trial 27, the clock's warning and limit, refused guesses, the End
// Game question and the middle start.

#include <QtTest>

#include "records/winners_file.h"
#include "rules/marking.h"
#include "window_harness.h"

using namespace tallimor;

namespace {

std::string Rotated(const std::string& code, size_t by) { return code.substr(by) + code.substr(0, by); }

// Distinct three-colour guesses of ten colours that miss `answer`.
std::vector<std::string> Misses(const std::string& answer, size_t count) {
    std::vector<std::string> out;
    for (char a = '0'; a <= '9' && out.size() < count; ++a)
        for (char b = '0'; b <= '9' && out.size() < count; ++b)
            for (char c = '0'; c <= '9' && out.size() < count; ++c)
                if (a != b && b != c && a != c && std::string{a, b, c} != answer) out.push_back({a, b, c});
    return out;
}

const std::initializer_list<std::pair<const char*, QString>> kRandomFour{
    {"Cbcolour", "6"}, {"Cblength", "4"}, {"Cborder", "Random order"}};
const std::initializer_list<std::pair<const char*, QString>> kRandomThree{{"Cblength", "3"},
                                                                          {"Cborder", "Random order"}};

}  // namespace

class PlayerGameTest : public QObject {
    Q_OBJECT
   private slots:
    void winsAtTrialThreeByMouse() {
        Harness h;
        h.Start(kRandomFour);
        QCOMPARE(h.w->windowTitle(), QString("New Game - Unsaved"));
        QVERIFY(h.Shown("Frgetstring"));
        QVERIFY(!h.Shown("Frinput"));
        QVERIFY(h.Shown("Frcolour"));
        QVERIFY(!h.Shown("Picfore"));
        QCOMPARE(h.Text("Lblgetstring"),
                 QString("Input your guess by dragging or double-clicking the colours."));
        QCOMPARE(h.Text("Lbltime"), QString("Time spent:  0 second"));
        QVERIFY(h.Text("Lblsetcontent").endsWith("\nPlaying"));
        const std::string answer = h.Answer();

        for (int trial = 1; trial <= 2; ++trial) {
            const std::string guess = Rotated(answer, static_cast<size_t>(trial));
            h.Drop(guess);
            QVERIFY(h.Shown("Frshowresult"));
            QVERIFY(!h.Shown("Frgetstring"));
            QCOMPARE(h.Text("Lbltrials"), QString("Trial: %1").arg(trial));
            const Hint hint = Markcode(h.w->State().Settings, guess, answer);
            QCOMPARE(h.Text("Lblcorrect"), QString("You have got %1 correct colour%2 in correct position.")
                                               .arg(hint.Blacks)
                                               .arg(hint.Blacks == 1 ? "" : "s"));
            QCOMPARE(h.Text("Lblwrong"), QString("You have got %1 correct colour%2 in wrong position.")
                                             .arg(hint.Whites)
                                             .arg(hint.Whites == 1 ? "" : "s"));
            QCOMPARE(h.Find<HintBoxes>("Piccorrect")->Count(), int(hint.Blacks));
            QCOMPARE(h.Find<HintBoxes>("Picwrong")->Count(), int(hint.Whites));
            QCOMPARE(
                h.Statustrimmed(),
                QString("Press the OK button.  Please notice the OK button is pressed automatically in one "
                        "minute."));
            h.Click("Cmdshowresult");
            QCOMPARE(h.Find<RecordBoard>("Picrecord")->Rows().at(trial).Trialguess, guess);
        }
        h.now += 125;
        h.Drop(answer);
        QVERIFY(h.Box());
        QCOMPARE(h.Box()->windowTitle(), QString("Win"));
        QCOMPARE(h.Boxtext(), QString("Win!  You have tried 3 times and spent 2 minutes 5 seconds.\n"
                                      "Please choose one option below."));
        QCOMPARE(h.Boxbuttons(), (QStringList{"Save File", "Change Display", "End"}));
        QCOMPARE(h.Box()->Icon(), '!');
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Win"));
        QVERIFY(h.Shown("Franswer"));
        QCOMPARE(h.Find<QGroupBox>("Franswer")->title(), QString("Answer"));
        QCOMPARE(h.Find<CodeView>("Picanswer")->Code(), answer);
        QVERIFY(!h.Shown("Lbltime"));
        QVERIFY(h.Text("Lblsetcontent").endsWith("\nWin"));
        QCOMPARE(h.Find<RecordBoard>("Picrecord")->Rows().size(), size_t(3));
        QCOMPARE(h.w->State().Attempts, int16_t(3));

        h.Press("Cmdmid");  // Change Display: the box stays
        QVERIFY(h.Box());
        QCOMPARE(h.w->Display(), Displaymode::Number);
        QCOMPARE(h.Find<CodeView>("Picanswer")->Mode(), Displaymode::Number);
        QCOMPARE(h.Find<RecordBoard>("Picrecord")->Mode(), Displaymode::Number);

        h.Press("Cmdr3");
        QVERIFY(!h.Box());
        QVERIFY(h.Shown("Picfore"));
        QVERIFY(!h.Shown("Picrecord"));
        QVERIFY(!h.Shown("Franswer"));
        QCOMPARE(h.w->windowTitle(), QString("Tallimor"));
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Picfore"));
        QVERIFY(!h.w->Tmrrec()->isActive());
    }

    void winsAtTheFirstTrialByKeyboard() {
        Harness h;
        h.w->Mnukey_Click();
        h.Start(kRandomFour);
        QVERIFY(h.Shown("Frinput"));
        QVERIFY(!h.Shown("Frgetstring"));
        QCOMPARE(h.Text("Lblinput"), QString("Input your guess below. Use numbers to represent colours."));
        QLineEdit* box = h.Find<QLineEdit>("Txtinput");
        QTest::keyClicks(box, "b9");  // no blanks in a fixed length, no colour 9 of six
        QCOMPARE(box->text(), QString());
        const std::string answer = h.Answer();
        QTest::keyClicks(box, QString::fromStdString(answer.substr(0, 3)));
        QVERIFY(!h.Find<QPushButton>("Cmdsubnum")->isEnabled());
        QTest::keyClicks(box, QString(answer[0]));  // no repetition
        QCOMPARE(box->text().size(), 3);
        QTest::keyClicks(box, QString(answer[3]));
        QVERIFY(h.Find<QPushButton>("Cmdsubnum")->isEnabled());
        h.now += 61;
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(
            h.Boxtext(),
            QString(
                "Win!  You have tried 1 time and spent 1 minute 1 second.\nPlease choose one option below."));
        QCOMPARE(h.Find<RecordBoard>("Picrecord")->Rows().at(1).Trialblack, int16_t(4));
    }

    void twentySevenMissesEndTheGameWithTheAnswerShown() {
        Harness h;
        h.w->Mnukey_Click();
        h.Start(kRandomThree);
        const std::string answer = h.Answer();
        const std::vector<std::string> guesses = Misses(answer, 27);
        for (int trial = 1; trial <= 27; ++trial) {
            h.Type(QString::fromStdString(guesses[static_cast<size_t>(trial - 1)]));
            QCOMPARE(h.Text("Lbltrials"), QString("Trial: %1").arg(trial));
            h.Click("Cmdshowresult");
            if (trial == 26) {
                QVERIFY(h.Box());
                QCOMPARE(h.Box()->windowTitle(), QString("Warning"));
                QCOMPARE(h.Boxtext(), QString("Please notice you only have one more chance to guess!"));
                QCOMPARE(h.Boxbuttons(), QStringList{"OK"});
                QVERIFY(!h.Shown("Frinput"));  // the next guess waits for the OK
                h.Press("Cmdmid");
                QVERIFY(h.Shown("Frinput"));
            } else if (trial < 26) {
                QVERIFY(!h.Box());
            }
        }
        QVERIFY(h.Box());
        QCOMPARE(h.Box()->windowTitle(), QString("Gameover"));
        QCOMPARE(
            h.Boxtext(),
            QString("Gameover! You have already reached the last trial.\nPlease choose one option below."));
        QCOMPARE(h.Boxbuttons(), (QStringList{"Save File", "Change Display", "End"}));
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Gameover1"));
        QCOMPARE(h.Find<CodeView>("Picanswer")->Code(), answer);
        QVERIFY(h.Shown("Franswer"));
        QVERIFY(!h.Shown("Frinput"));
        QVERIFY(!h.Shown("Frcolour"));
        QCOMPARE(h.Find<RecordBoard>("Picrecord")->Rows().size(), size_t(27));
        QCOMPARE(h.w->State().Record[27].Trialguess, guesses[26]);
        QCOMPARE(h.w->State().Finaltrial, int16_t(27));
        QVERIFY(h.Text("Lblsetcontent").endsWith("\nGameover"));
    }

    void fiveMinuteWarningAcceptsTheHintOnDisplay() {
        Harness h;
        h.Start(kRandomFour);
        h.Drop(Rotated(h.Answer(), 1));
        QVERIFY(h.Shown("Frshowresult"));
        h.Clockto(3299);
        QVERIFY(!h.Box());
        QCOMPARE(h.Text("Lbltime"), QString("Time spent:  54 minutes 59 seconds"));
        h.Clockto(3300);
        QVERIFY(h.Box());
        QCOMPARE(h.Box()->windowTitle(), QString("Warning"));
        QCOMPARE(h.Boxtext(), QString("Please notice this game is over in five minutes!"));
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Warning"));
        QVERIFY(h.Shown("Frshowresult"));
        h.Clockto(3300);  // the same second again: one warning is enough
        h.Press("Cmdmid");
        QVERIFY(!h.Box());
        QVERIFY(!h.Shown("Frshowresult"));
        QCOMPARE(h.Find<RecordBoard>("Picrecord")->Rows().count(1), size_t(1));
        QVERIFY(h.Shown("Frgetstring"));
        QVERIFY(h.Statustrimmed().startsWith("Input your guess."));
    }

    void oneHourBeforeTheFirstGuessShowsNoAnswer() {
        Harness h;
        h.Start(kRandomFour);
        h.Clockto(3600);  // the warning's second was missed: it comes now
        QCOMPARE(h.Box()->Tag(), QString("Warning"));
        h.Clockto(3601);  // the open warning is swept away for the end
        QVERIFY(h.Box());
        QCOMPARE(h.Box()->windowTitle(), QString("Gameover"));
        QCOMPARE(h.Box()->Tag(), QString("Gameover0"));
        QCOMPARE(h.Boxtext(), QString("Gameover! You have already spent one hour."));
        QCOMPARE(h.Boxbuttons(), QStringList{"OK"});
        QVERIFY(!h.Shown("Franswer"));
        QVERIFY(!h.Shown("Frgetstring"));
        QVERIFY(!h.Shown("Lbltime"));
        QVERIFY(!h.w->Tmrrec()->isActive());
        h.Press("Cmdmid");
        QVERIFY(!h.Box());
        QVERIFY(h.Shown("Picfore"));
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Picfore"));
    }

    void oneHourWhileAHintIsShownRecordsItFirst() {
        Harness h;
        h.Start(kRandomFour);
        const std::string guess = Rotated(h.Answer(), 2);
        h.Drop(guess);
        h.Clockto(3700);  // the warning's second was missed; the hour still ends the game
        QCOMPARE(h.Box()->Tag(), QString("Gameover1"));
        QCOMPARE(h.Boxtext(),
                 QString("Gameover! You have already spent one hour.\nPlease choose one option below."));
        QCOMPARE(h.w->State().Record[1].Trialguess, guess);
        QCOMPARE(h.Find<RecordBoard>("Picrecord")->Rows().count(1), size_t(1));
        QVERIFY(!h.Shown("Frshowresult"));
        QVERIFY(h.Shown("Franswer"));
    }

    void aRepeatedGuessIsRefusedAndAskedAgain() {
        Harness h;
        h.Start(kRandomFour);
        const std::string guess = Rotated(h.Answer(), 1);
        h.Drop(guess);
        h.Click("Cmdshowresult");
        h.Drop(guess);
        QVERIFY(h.Box());
        QCOMPARE(h.Box()->windowTitle(), QString("Inappropriate Input"));
        QCOMPARE(h.Boxtext(),
                 QString("Hey!  The string you input is the same as a previous one. Input again!"));
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Same"));
        QCOMPARE(h.w->State().Currenttrial, int16_t(1));
        QVERIFY(!h.Shown("Frgetstring"));
        h.Press("Cmdmid");
        QVERIFY(h.Shown("Frgetstring"));
        QCOMPARE(h.w->Row().Guessblanks(), 4);  // an empty row for the same trial
        QCOMPARE(h.w->State().Currenttrial, int16_t(1));
        QCOMPARE(h.Find<RecordBoard>("Picrecord")->Rows().size(), size_t(1));
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Frgetstring1"));
    }

    void endGameQuestionShowsTheAnswerOrCancelsBack() {
        Harness h;
        h.Start(kRandomFour);
        QVERIFY(h.Find<QAction>("Mnuend")->isEnabled());
        h.w->Mnuend_Click();  // before the first guess: nothing to show
        QCOMPARE(h.Box()->windowTitle(), QString("End Game?"));
        h.Press("Cmdl2");
        QVERIFY(!h.Box());
        QVERIFY(h.Shown("Picfore"));
        QVERIFY(!h.Shown("Franswer"));

        h.Start(kRandomFour);
        h.Drop(Rotated(h.Answer(), 1));
        h.Click("Cmdshowresult");
        h.w->Mnuend_Click();
        QCOMPARE(h.Boxtext(), QString("Are you sure you want to end this game?"));
        QCOMPARE(h.Boxbuttons(), (QStringList{"OK", "Cancel"}));
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Mnuend+Frgetstring1"));
        h.Press("Cmdr2");
        QVERIFY(!h.Box());
        QCOMPARE(h.w->Waitstack().Stack(), std::string("Frgetstring1"));
        QVERIFY(!h.w->Tmrwait()->isActive());
        QVERIFY(h.Shown("Frgetstring"));

        h.w->Mnuend_Click();
        h.Press("Cmdl2");
        QVERIFY(!h.Box());
        QVERIFY(!h.Shown("Frgetstring"));
        QVERIFY(h.Shown("Franswer"));
        QCOMPARE(h.w->State().Gamestatus, std::string("End Game"));
        QVERIFY(h.w->Tmrbuffer()->isActive());
        QTRY_VERIFY(h.Box());    // the deferred step opens its box once the handler is done
        h.w->Tmrbuffer_Timer();  // a late tick opens no second box
        QCOMPARE(h.Box()->windowTitle(), QString("Show Answer"));
        QCOMPARE(h.Boxtext(),
                 QString("You may see the answer in the Answer Frame now.\nPlease choose one option below."));
        QCOMPARE(h.Box()->Icon(), 'i');
        h.Press("Cmdr3");
        QVERIFY(h.Shown("Picfore"));
    }

    void middleStartPlaysTheEarlyTrialsAndCountsFromTheStart() {
        Harness h;
        WinnersRecord record;
        record.Average[static_cast<size_t>(Settingindex(3, 1, 1, 1, 1))] = 12.0f;
        QVERIFY(Writewinners(h.w->Recordsfolderpath().toStdString(), 10, record).Usable());
        h.Start({{"Cbstart", "Middle"}});
        QCOMPARE(h.w->State().Settings.Starttrial, int16_t(9));
        QCOMPARE(h.w->State().Currenttrial, int16_t(8));
        QCOMPARE(h.Find<RecordBoard>("Picrecord")->Rows().size(), size_t(8));
        QCOMPARE(
            h.Statustrimmed(),
            QString("Input your guess.  Please notice you are allowed to try at most 19 times or 1 hour."));
        QVERIFY(h.Text("Lblsetcontent").contains("\nMiddle (Trial 9)\n"));
        // Fixed order: any arrangement of the right colours wins.
        const std::string answer = h.Answer();
        for (char c : answer) h.Doubleclick(QString("Lblcolour%1").arg(c));
        h.Click("Cmdsubcol");
        QCOMPARE(h.Boxtext(),
                 QString("Win!  You have tried 1 time and spent 0 second.\nPlease choose one option below."));
    }

    void startTrialOneAllowsTwentySevenTries() {
        Harness h;
        h.Start({});
        QCOMPARE(
            h.Statustrimmed(),
            QString("Input your guess.  Please notice you are allowed to try at most 27 times or 1 hour."));
        QCOMPARE(h.Status().size(), 230);
        QVERIFY(h.Status().startsWith(QString(10, ' ') + "Input"));
    }

    void aDamagedRecordsFileIsReportedAndLeftAlone() {
        Harness h;
        QDir(h.w->Recordsfolderpath()).mkpath("Winners");
        const QString path = h.w->Recordsfolderpath() + "Winners/Winners10";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray junk(int(kWinnersRecordLength), char(0xFF));
        file.write(junk);
        file.close();
        h.Start({{"Cbstart", "Middle"}});
        QVERIFY(h.Box());
        QCOMPARE(h.Box()->windowTitle(), QString("Records File"));
        QVERIFY(h.Boxtext().contains("damaged"));
        QVERIFY(!h.w->Tmrrec()->isActive());  // the clock waits for the player
        h.Press("Cmdmid");
        QVERIFY(h.w->Tmrrec()->isActive());
        QCOMPARE(h.w->State().Settings.Starttrial, int16_t(1));
        QVERIFY(h.Shown("Frgetstring"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), junk);
    }
};

QTEST_MAIN(PlayerGameTest)
#include "player_game_test.moc"
