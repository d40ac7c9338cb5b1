// The program's own pictures: the cursor files load with their hot spots and a
// bad one falls back to the system's cursor; every toolbar button has a
// picture of its own at the sizes a toolbar asks for.

#include <QTemporaryDir>
#include <QtTest>

#include "ui/cursors.h"
#include "ui/toolbar_pictures.h"

using namespace tallimor;

namespace {

int Opaquepixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

   private slots:
    // The build lays the cursor files next to this test, in the program folder.
    void cursorFilesLoadWithTheirHotSpots() {
        const QString folder = QCoreApplication::applicationDirPath() + "/";
        const QCursor point = Programcursor(folder, Cursorkind::Point);
        QCOMPARE(point.shape(), Qt::BitmapCursor);
        QCOMPARE(point.hotSpot(), QPoint(11, 1));  // the tip of the index finger
        QVERIFY(qAlpha(point.pixmap().toImage().pixel(point.hotSpot())) > 0);
        const QCursor wait = Programcursor(folder, Cursorkind::Wait);
        QCOMPARE(wait.shape(), Qt::BitmapCursor);
        QCOMPARE(wait.hotSpot(), QPoint(16, 16));
        QCOMPARE(wait.pixmap().size(), QSize(32, 32));
    }

    void aMissingOrDamagedFileGivesTheSystemCursor() {
        QTemporaryDir folder;
        const QString path = folder.path() + "/";
        QCOMPARE(Programcursor(path, Cursorkind::Wait).shape(), Qt::WaitCursor);
        QCOMPARE(Programcursor(path, Cursorkind::Point).shape(), Qt::PointingHandCursor);

        QFile good(QCoreApplication::applicationDirPath() + "/Icon/H_point.cur");
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray bytes = good.readAll();
        QByteArray farHotspot = bytes;
        farHotspot[10] = char(200);  // x of the hot spot, beyond the 32-pixel picture
        QByteArray icon = bytes;
        icon[2] = 1;  // an icon, which has no hot spot
        QDir().mkpath(path + "Icon");
        for (const QByteArray& damaged :
             {bytes.left(30), bytes.left(1000), QByteArray(4286, 'x'), farHotspot, icon}) {
            QFile file(path + "Icon/H_point.cur");
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(damaged);
            file.close();
            QCOMPARE(Programcursor(path, Cursorkind::Point).shape(), Qt::PointingHandCursor);
        }
    }

    void everyToolbarButtonHasAPictureOfItsOwn() {
        QVERIFY(Toolbarpicture(0).isNull() && Toolbarpicture(14).isNull());
        QList<QImage> seen;
        for (int index = 1; index <= 13; ++index) {
            const QIcon icon = Toolbarpicture(index);
            for (int side : {24, 48}) {
                const QImage image = icon.pixmap(side).toImage();
                QCOMPARE(image.size(), QSize(side, side));
                QVERIFY2(Opaquepixels(image) > side * side / 6, qPrintable(QString::number(index)));
            }
            const QImage picture = icon.pixmap(24).toImage();
            QVERIFY2(!seen.contains(picture), qPrintable(QString::number(index)));
            seen.append(picture);
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
