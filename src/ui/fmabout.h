#pragma once
// The About window: the logo, a paragraph of credit and notice, and OK.
// OK, the close box and Escape are handed to its owner, which closes it.

#include <QDialog>

namespace tallimor {

class Fmabout : public QDialog {
    Q_OBJECT
   public:
    explicit Fmabout(QWidget* parent = nullptr);

   signals:
    void Okpressed();

   public slots:
    void reject() override { emit Okpressed(); }

   protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace tallimor
