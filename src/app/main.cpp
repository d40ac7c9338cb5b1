#include <QApplication>

#include "ui/fmmain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tallimor");
    tallimor::Fmmain window;
    window.show();
    return QApplication::exec();
}
