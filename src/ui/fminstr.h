#pragma once
// The Brief Instructions window: a fixed text in two sections, printed line
// by line on a light blue picture, and its OK.  It decides nothing: OK, the
// close box and Escape are all handed to its owner, which closes it.

#include <QDialog>

namespace tallimor {

class Fminstr : public QDialog {
    Q_OBJECT
   public:
    explicit Fminstr(QWidget* parent = nullptr);

   signals:
    void Okpressed();

   public slots:
    void reject() override { emit Okpressed(); }

   protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace tallimor
