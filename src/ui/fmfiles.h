#pragma once
// The Open and Save As window.  It shows the file window the game module
// describes and hands every pick, click and key to the module's handler;
// the module alone lists folders, builds paths and reads or writes files.

#include <QDialog>
#include <functional>

#include "game/tallimormod.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tallimor {

class Fmfiles : public QDialog {
    Q_OBJECT
   public:
    // `forward` runs a module handler and then draws the windows.
    using Forwarder = std::function<void(const std::function<void(Tallimormod&)>&)>;
    Fmfiles(Forwarder forward, QWidget* parent);

    // Shows what the module describes, touching only what changed.
    void Show(const Fileview& view);

    QComboBox* Drvfiles() const { return drvfiles_; }
    QListWidget* Dirfiles() const { return dirfiles_; }
    QListWidget* Filfiles() const { return filfiles_; }
    QLineEdit* Txtfiles() const { return txtfiles_; }
    QPushButton* Cmdopen() const { return cmdopen_; }
    QPushButton* Cmdsave() const { return cmdsave_; }
    QPushButton* Cmdcancel() const { return cmdcancel_; }

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Esc: as Cancel

   private:
    void Folderactivated(QListWidgetItem* item);

    Forwarder forward_;
    std::optional<Fileview> shown_;
    QComboBox* drvfiles_;
    QListWidget* dirfiles_;
    QListWidget* filfiles_;
    QLineEdit* txtfiles_;
    QComboBox* cbfiles_;
    QLabel* lbldelete_;
    QPushButton* cmdopen_;
    QPushButton* cmdsave_;
    QPushButton* cmdcancel_;
};

}  // namespace tallimor
