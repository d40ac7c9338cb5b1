#pragma once
// The statistics window: the list of the computer's statistics of every
// setting and BACK.  It stands in place of the main window, which is hidden
// while it is open; BACK, the close box and Escape go to the module, whose
// description then closes it.

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace tallimor {

class Fmstat : public QDialog {
    Q_OBJECT
   public:
    explicit Fmstat(QWidget* parent = nullptr);

    // Fills the list with these lines, replacing what it held.
    void Show(const std::vector<std::string>& lines);
    QListWidget* Lststat() const { return lststat_; }

   signals:
    void Backpressed();

   public slots:
    void reject() override { emit Backpressed(); }

   protected:
    void closeEvent(QCloseEvent* event) override;

   private:
    QListWidget* lststat_;
};

}  // namespace tallimor
