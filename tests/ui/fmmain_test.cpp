#include <QtTest>

#include "ui/fmmain.h"

class FmmainTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsCaption() {
        tallimor::Fmmain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString("Tallimor"));
        QVERIFY(window.width() <= 800);
        QVERIFY(window.height() <= 600);
    }
};

QTEST_MAIN(FmmainTest)
#include "fmmain_test.moc"
