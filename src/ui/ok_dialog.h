#pragma once
// A window whose one answer is OK and that decides nothing: OK, the close box
// and Escape are all handed to its owner, which closes it.  The About and
// Brief Instructions windows are such windows.

#include <QDialog>

class QCloseEvent;

namespace tallimor {

class Okdialog : public QDialog {
    Q_OBJECT
   public:
    explicit Okdialog(QWidget* parent = nullptr) : QDialog(parent) {}

   signals:
    void Okpressed();

   public slots:
    void reject() override { emit Okpressed(); }

   protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace tallimor
