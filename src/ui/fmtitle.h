#pragma once
// The title window: the name, a credit line and "Click mouse to start.".  It
// closes after five seconds or on a click on its background.  Ctrl+Alt with
// the right button on the credit asks for the designer's password.

#include <QWidget>

class QInputDialog;
class QLabel;
class QTimer;

namespace tallimor {

class Fmtitle : public QWidget {
    Q_OBJECT
   public:
    explicit Fmtitle(QWidget* parent = nullptr);

    // Ctrl+Alt and nothing more, with the right button: the designer's click.
    static bool Designerclick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

   signals:
    // The title has gone; `designer`: the designer's password was given.
    void Started(bool designer);

   protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    void Form_Click();
    void Lbldesign_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void Password(const QString& answer);

    QLabel* lbldesign_;
    QTimer* tmrtitle_;
    QInputDialog* inputbox_ = nullptr;
    bool designer_ = false;
    bool started_ = false;
};

}  // namespace tallimor
