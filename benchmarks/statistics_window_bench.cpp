// The statistics window and the start-up, on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
//
// "statistics window fill": See Statistics pressed in the designer's Game
// Setting Menu until the window shows its 4,272 lines (the module reads the
// six records files of the program folder and builds the lines, the window
// fills its list and is drawn), median of several openings.
//
// "start-up to title": from the start of a fresh process to the title window
// on show, with the main window built hidden behind it as the program does;
// median of several processes.  Each is this program run again with
// --start-up-once, which measures itself from its first line and prints the
// figure, so the program itself needs no option of its own.

#include <QApplication>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ui/fmmain.h"
#include "ui/fmstat.h"
#include "ui/fmtitle.h"

using namespace tallimor;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

int Startuponce(int argc, char** argv, Clock::time_point started) {
    QApplication app(argc, argv);
    Fmmain window;
    Fmtitle title;
    title.show();
    while (!title.windowHandle() || !title.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    std::printf("%.3f\n", Ms(started));
    return 0;
}

double Statisticsfill(int runs) {
    Fmmain window;
    window.Module().Designer = true;
    window.Module().Mnuset_Click();
    window.Render();
    auto* seestatistics = window.findChild<QPushButton*>("Cmdstat");
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto started = Clock::now();
        seestatistics->click();
        QCoreApplication::processEvents();  // the list is drawn
        times.push_back(Ms(started));
        auto* fmstat = window.findChild<Fmstat*>("Fmstat");
        if (!fmstat || fmstat->Lststat()->count() != 4272) {
            std::fprintf(stderr, "the statistics window did not show its list\n");
            std::exit(1);
        }
        fmstat->findChild<QPushButton*>("Cmdback")->click();
        QCoreApplication::processEvents();
    }
    return Median(times);
}

double Startup(int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--start-up-once"});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            std::fprintf(stderr, "the start-up run failed\n");
            std::exit(1);
        }
        times.push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
    const auto started = Clock::now();
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc > 1 && std::string(argv[1]) == "--start-up-once") return Startuponce(argc, argv, started);
    QApplication app(argc, argv);
    std::printf("statistics window fill: %.1f ms\n", Statisticsfill(15));
    std::printf("start-up to title: %.1f ms\n", Startup(9));
    return 0;
}
