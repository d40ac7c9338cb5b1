#pragma once
// The program's own message box: an icon, the message and one, two or three
// buttons.  It returns no answer: a pressed button is handed to its owner,
// which acts by the message's identifier and unloads the box.

#include <QDialog>
#include <QString>
#include <array>

#include "game/main_view.h"

class QLabel;
class QPushButton;

namespace tallimor {

// The icon of a letter: the picture file in the program folder when it can
// be read, else one drawn here, so a missing file still shows its kind.
QPixmap Messageicon(const QString& programFolder, char letter);

class Fmmessage : public QDialog {
    Q_OBJECT
   public:
    Fmmessage(const QString& programFolder, QWidget* parent);

    // buttons 1, 2 or 3 (another value keeps the visibility); an icon letter
    // without a picture keeps the picture; captions of Cmdl2, Cmdl3, Cmdmid,
    // Cmdr3 and Cmdr2; the default button; the identifier (Tag) and the title.
    void Messagebox(int buttons, char icon, const QString& l2, const QString& l3, const QString& mid,
                    const QString& r3, const QString& r2, Msgbutton defaultButton, const QString& identifier,
                    const QString& title);
    // Shows the box the game module describes, text included.
    void Show(const Boxview& box);

    QLabel* Lblmessage() const { return lblmessage_; }
    QLabel* Piclogo() const { return piclogo_; }
    QPushButton* Button(Msgbutton b) const { return buttons_[static_cast<size_t>(b)]; }
    QString Tag() const { return tag_; }
    char Icon() const { return icon_; }

   signals:
    void Buttonpressed(tallimor::Msgbutton button);

   protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

   private:
    QString programFolder_;
    QLabel* piclogo_;
    QLabel* lblmessage_;
    std::array<QPushButton*, 5> buttons_{};
    QString tag_;
    char icon_ = 0;
};

}  // namespace tallimor
