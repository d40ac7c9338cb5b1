// The statistics window, and how the main window gives way to it and shows
// the system's own box that reports a simulation run.

#include "ui/fmstat.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "game/window_captions.h"
#include "ui/fmmain.h"
#include "ui/panel_widgets.h"

namespace tallimor {

using panel::Q;

Fmstat::Fmstat(QWidget* parent) : QDialog(parent) {
    setObjectName("Fmstat");
    setWindowTitle(Q(Caption("Fmstat")));
    lststat_ = new QListWidget(this);
    lststat_->setObjectName("Lststat");
    lststat_->setGeometry(12, 12, 576, 452);
    // Every line is one text line high, so the list need not measure them.
    lststat_->setUniformItemSizes(true);
    auto* back = new QPushButton(Q(Caption("Cmdback")), this);
    back->setObjectName("Cmdback");
    back->setGeometry(252, 474, 96, 32);
    back->setDefault(true);
    connect(back, &QPushButton::clicked, this, &Fmstat::Backpressed);
    setFixedSize(600, 518);
}

void Fmstat::Show(const std::vector<std::string>& lines) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) items.append(QString::fromStdString(line));
    lststat_->clear();
    lststat_->addItems(items);
}

void Fmstat::closeEvent(QCloseEvent* event) {
    // The close box is the window's BACK: the owner closes it.
    event->ignore();
    emit Backpressed();
}

void Fmmain::Renderstatistics(const Mainview& v) {
    if (v.statistics && !fmstat_) {
        fmstat_ = new Fmstat(this);
        connect(fmstat_, &Fmstat::Backpressed, this, [this] { Forward([&] { mod_.Cmdback_Click(); }); });
    }
    if (fmstat_ && v.statistics && v.statlines != statlines_) {
        statlines_ = v.statlines;
        fmstat_->Show(*statlines_);
    }
    if (v.statistics != statisticsShown_) {
        // Set first: showing a window draws this one again from within.
        statisticsShown_ = v.statistics;
        if (v.statistics) {
            hide();
            fmstat_->show();
            fmstat_->activateWindow();
        } else {
            fmstat_->hide();
            statlines_.reset();
            show();
            activateWindow();
        }
    }

    const unsigned serial = v.systembox ? v.systembox->serial : 0;
    if (serial == systemboxSerial_) return;
    systemboxSerial_ = serial;
    if (systembox_) {
        systembox_->disconnect(this);
        systembox_->close();
        systembox_ = nullptr;
    }
    if (!v.systembox) return;
    // The system's box, not the program's own: it has no wait state and no time-out.
    systembox_ = new QMessageBox(QMessageBox::Information, QString::fromStdString(v.systembox->title),
                                 QString::fromStdString(v.systembox->text), QMessageBox::Ok, this);
    systembox_->setObjectName("Systembox");
    systembox_->setAttribute(Qt::WA_DeleteOnClose);
    connect(systembox_, &QMessageBox::finished, this, [this] {
        systembox_ = nullptr;
        Forward([&] { mod_.Systembox_Ok(); });
    });
    systembox_->setModal(true);
    systembox_->show();
}

}  // namespace tallimor
