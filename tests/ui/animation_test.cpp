// The bird over the record and the sky of the idle picture in the main
// window: the bird flies while the player guesses, five pixels a tick, and
// switching the animation off takes it away at once and stills the sky.

#include "ui/animation.h"

#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ui/board.h"
#include "ui/fmmain.h"

using namespace tallimor;

class AnimationTest : public QObject {
    Q_OBJECT

   private slots:
    void switchingOffRemovesTheBirdAtOnceAndStopsTheSky() {
        QTemporaryDir folder;
        Fmmain w(folder.path(), [] { return 50000.0; });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* tmrani = w.findChild<QTimer*>("Tmrani");
        auto* animation = w.findChild<Animation*>("Animation");
        auto* record = w.findChild<RecordBoard*>("Picrecord");
        auto* sky = w.findChild<IdlePicture*>("Picfore");
        QVERIFY(tmrani && animation && record && sky);
        QVERIFY(tmrani->isActive());
        QCOMPARE(tmrani->interval(), 50);
        const int offset = sky->Skyoffset();
        QTRY_VERIFY(sky->Skyoffset() != offset);

        // A game the player guesses: the bird flies over the record.
        w.Module().Mnunew_Click();
        w.Render();
        QTRY_VERIFY(animation->Figureshown() && animation->Figure().x() >= 0);
        QVERIFY(record->Picture() != record->Reserve());
        const QRect at = animation->Figure();
        animation->Tmrani_Timer();
        QCOMPARE(animation->Figure().x(), at.x() + Animation::kStep);
        const QRect behind(at.x(), at.y(), Animation::kStep, at.height());
        QCOMPARE(record->Picture().copy(behind), record->Reserve().copy(behind));  // nothing left behind

        w.Module().Mnuani_Click();
        w.Render();
        QVERIFY(!tmrani->isActive());
        QVERIFY(!animation->Figureshown());
        QVERIFY(record->Picture() == record->Reserve());
        const int still = sky->Skyoffset();
        QTest::qWait(200);
        QCOMPARE(sky->Skyoffset(), still);
        QVERIFY(record->Picture() == record->Reserve());

        // On again it flies on, and the end of the game takes it off the record.
        w.Module().Mnuani_Click();
        w.Render();
        QTRY_VERIFY(animation->Figureshown());
        w.Module().Mnuend_Click();
        w.Module().Messagebutton_Click(Msgbutton::Cmdl2);
        w.Render();
        QVERIFY(!animation->Figureshown());
        QVERIFY(record->Picture() == record->Reserve());
    }
};

QTEST_MAIN(AnimationTest)
#include "animation_test.moc"
