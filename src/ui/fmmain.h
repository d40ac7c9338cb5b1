#pragma once
// The main window: every panel of the game lives here.

#include <QMainWindow>

namespace tallimor {

class Fmmain : public QMainWindow {
    Q_OBJECT
public:
    explicit Fmmain(QWidget* parent = nullptr);
};

}  // namespace tallimor
