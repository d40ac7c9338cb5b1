// The designer's statistics in the window: See Statistics hides the main
// window behind the statistics list and BACK brings back the menu; a
// simulation ended by a click on the record reports in the system's box,
// whose OK reaches the module.

#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "find_control.h"
#include "ui/fmmain.h"
#include "ui/fmstat.h"

using namespace tallimor;

class StatisticsWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::unique_ptr<Fmmain> w_;

    template <class T = QWidget>
    T* Find(const char* name) const {
        return Findcontrol<T>(w_.get(), name);
    }

   private slots:
    void init() {
        w_ = std::make_unique<Fmmain>(folder_.path());
        w_->Setdesigner();
        w_->show();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        QTest::keyClick(w_.get(), Qt::Key_F1);
        QVERIFY(Find("Frmenu")->isVisible() && Find("Cmdstat")->isVisible());
    }
    void cleanup() { w_.reset(); }

    void theListStandsInPlaceOfTheMainWindowUntilBack() {
        QTest::mouseClick(Find("Cmdstat"), Qt::LeftButton);
        auto* fmstat = Find<Fmstat>("Fmstat");
        QVERIFY(fmstat->isVisible() && !w_->isVisible());
        QCOMPARE(fmstat->windowTitle(), QString("Statistics"));
        QCOMPARE(fmstat->Lststat()->count(), 4272);
        QTest::mouseClick(Find("Cmdback"), Qt::LeftButton);
        QVERIFY(!fmstat->isVisible() && w_->isVisible() && Find("Frmenu")->isVisible());
    }

    void anEndedSimulationReportsInTheSystemsBox() {
        QTest::mouseClick(Find("Cmdsimulate"), Qt::LeftButton);
        QVERIFY(w_->Module().Demorunning());
        // The delay timer's steps, without waiting for them, up to the first win.
        for (int i = 0; i < 50 && Gamestatustext(w_->Module().State().Gamestatus) != "Next Demo"; ++i)
            w_->Tick(Timerid::Tmrdelay);
        QTest::mouseClick(Find("Picrecord"), Qt::LeftButton);
        QVERIFY(!w_->Module().Demorunning());
        w_->Tick(Timerid::Tmrbuffer);
        auto* box = Find<QMessageBox>("Systembox");
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowTitle(), QString("Statistics"));
        QCOMPARE(box->icon(), QMessageBox::Information);
        QVERIFY(box->text().startsWith("Average number of attempts: ") && box->text().contains(" / 1 = "));
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        QVERIFY(!w_->Module().Describe().systembox);
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "statistics_window_test.moc"
