// The bird over the record and the sky of the idle picture, on a screen of
// two device pixels to each window pixel: the bird is drawn as sharp as the
// rest and leaves nothing behind.

#include "ui/animation.h"

#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <array>

#include "ui/board.h"
#include "ui/fmmain.h"

using namespace tallimor;

namespace {

// The 2 x 2 blocks of device pixels, aligned to the window's pixels, in `r`
// (window pixels) of `picture` whose four pixels are not all alike: a picture
// stretched from one device pixel a window pixel has none.  With `under`,
// only the blocks drawn over it count (where some pixel differs from it).
int Finedetail(const QImage& picture, const QRect& r, const QImage* under = nullptr) {
    int fine = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const std::array<QPoint, 4> block{QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y),
                                              QPoint(2 * x, 2 * y + 1), QPoint(2 * x + 1, 2 * y + 1)};
            bool alike = true, over = !under;
            for (const QPoint& d : block) {
                alike = alike && picture.pixel(d) == picture.pixel(block[0]);
                over = over || picture.pixel(d) != under->pixel(d);
            }
            fine += !alike && over;
        }
    return fine;
}

}  // namespace

class AnimationTest : public QObject {
    Q_OBJECT

   private slots:
    void theBirdFliesSharplyUntilSwitchedOffAndTheSkyStillsWithIt() {
        QTemporaryDir folder;
        Fmmain w(folder.path(), [] { return 50000.0; });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* tmrani = w.findChild<QTimer*>("Tmrani");
        auto* animation = w.findChild<Animation*>("Animation");
        auto* record = w.findChild<RecordBoard*>("Picrecord");
        auto* sky = w.findChild<IdlePicture*>("Picfore");
        QVERIFY(tmrani && animation && record && sky && tmrani->isActive() && tmrani->interval() == 50);
        const int offset = sky->Skyoffset();
        QTRY_VERIFY(sky->Skyoffset() != offset);

        // A game the player guesses: the bird flies over the record.
        w.Module().Mnunew_Click();
        w.Render();
        QTRY_VERIFY(animation->Figureshown() && animation->Figure().x() >= 0);
        const QImage& picture = record->Picture();
        QCOMPARE(picture.size(), record->size() * 2);
        // The bird's own frames have detail finer than a window pixel, and so
        // have the bird on the record and the heading.
        const Birdpictures& bird = Birdpicture(2);
        QCOMPARE(bird.frames.size(), QSize(4 * bird.width, bird.height) * 2);
        const QRect at = animation->Figure();
        QVERIFY(Finedetail(bird.frames, QRect(0, 0, bird.width, bird.height)) > 0 &&
                Finedetail(picture, at & record->rect(), &record->Reserve()) > 0 &&
                Finedetail(picture, QRect(0, 0, record->width(), 24)) > 0);
        // Moved on, the bird leaves the record as it was behind it.
        animation->Tmrani_Timer();
        QCOMPARE(animation->Figure().x(), at.x() + Animation::kStep);
        const QRect behind(2 * at.x(), 2 * at.y(), 2 * Animation::kStep, 2 * at.height());
        QCOMPARE(picture.copy(behind), record->Reserve().copy(behind));

        w.Module().Mnuani_Click();
        w.Render();
        QVERIFY(!tmrani->isActive() && !animation->Figureshown() && picture == record->Reserve());
        const int still = sky->Skyoffset();
        QTest::qWait(200);
        QCOMPARE(sky->Skyoffset(), still);

        // On again it flies on, and the end of the game takes it off the record.
        w.Module().Mnuani_Click();
        w.Render();
        QTRY_VERIFY(animation->Figureshown());
        w.Module().Mnuend_Click();
        w.Module().Messagebutton_Click(Msgbutton::Cmdl2);
        w.Render();
        QVERIFY(!animation->Figureshown() && picture == record->Reserve());
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    AnimationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "animation_test.moc"
