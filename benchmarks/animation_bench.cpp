// The animation on the offscreen platform: the time of one tick of the
// animation timer (the bird erased, moved and drawn, the sky scrolled, and
// both painted), and the processor time the main window takes while it
// stands idle with the animation on.

#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/animation.h"
#include "ui/board.h"
#include "ui/fmmain.h"

using namespace tallimor;

namespace {

double Processseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void Runfor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Both pictures on show at their sizes in the window, a record of ten trials.
void Tickfigures() {
    QWidget window;
    window.resize(1180, 500);
    auto* sky = new IdlePicture(&window);
    sky->setGeometry(8, 8, 776, 484);
    auto* record = new RecordBoard(&window);
    record->setGeometry(788, 30, 392, 462);
    record->Setgame(5, false);
    std::map<int, TrialRecord> rows;
    for (int t = 1; t <= 10; ++t) rows[t] = TrialRecord{"01234", 1, 2, 3};
    record->Setrows(rows);
    Animation animation(sky, record);
    Animationview view;
    view.fly = true;
    view.trial = 10;
    animation.Render(view, true, view);
    animation.Tmrani()->stop();  // the ticks are driven here, one at a time
    window.show();
    QApplication::processEvents();

    std::vector<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < 2100; ++i) {
        clock.start();
        animation.Tmrani_Timer();
        QApplication::processEvents();  // the painting the tick asked for
        if (i >= 100) ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("animation tick median: %.3f ms\n", ms[ms.size() / 2]);
    std::printf("animation tick max: %.3f ms\n", ms.back());
}

void Idlewindow() {
    QTemporaryDir folder;
    Fmmain w(folder.path());
    w.show();
    Runfor(1000);
    const double cpu = Processseconds();
    QElapsedTimer wall;
    wall.start();
    Runfor(10000);
    const double used = Processseconds() - cpu;
    std::printf("idle cpu: %.2f %%\n", 100.0 * used / (static_cast<double>(wall.nsecsElapsed()) / 1e9));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Tickfigures();
    Idlewindow();
    return 0;
}
