#include "ui/fmfiles.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>

#include "game/window_captions.h"
#include "ui/panel_widgets.h"
#include "ui/placement.h"

namespace tallimor {

using panel::Q;

namespace {

QString Foldername(const std::string& path) {
    if (path == "/") return "/";
    const std::string trimmed = path.substr(0, path.size() - 1);
    return Q(trimmed.substr(trimmed.rfind('/') + 1));
}

}  // namespace

Fmfiles::Fmfiles(Forwarder forward, QWidget* parent) : QDialog(parent), forward_(std::move(forward)) {
    setObjectName("Fmfiles");
    setWindowTitle(Q(Caption("Fmfiles")));
    auto* grid = new QGridLayout(this);
    auto* lbllook = new QLabel(Q(Caption("Lbllook")), this);
    drvfiles_ = new QComboBox(this);
    drvfiles_->setObjectName("Drvfiles");
    dirfiles_ = new QListWidget(this);
    dirfiles_->setObjectName("Dirfiles");
    filfiles_ = new QListWidget(this);
    filfiles_->setObjectName("Filfiles");
    auto* lblname = new QLabel(Q(Caption("Lblname")), this);
    txtfiles_ = new QLineEdit(this);
    txtfiles_->setObjectName("Txtfiles");
    auto* lbltype = new QLabel(Q(Caption("Lbltype")), this);
    cbfiles_ = new QComboBox(this);
    cbfiles_->setObjectName("Cbfiles");
    cbfiles_->addItem(Q(Caption("Cbfiles")));
    lbldelete_ = new QLabel(Q(Caption("Lbldelete")), this);
    lbldelete_->setObjectName("Lbldelete");
    lbldelete_->setWordWrap(true);
    cmdopen_ = new QPushButton(Q(Caption("Cmdopen")), this);
    cmdopen_->setObjectName("Cmdopen");
    cmdsave_ = new QPushButton(Q(Caption("Cmdsave")), this);
    cmdsave_->setObjectName("Cmdsave");
    cmdcancel_ = new QPushButton(Q(Caption("Fmfiles_Cmdcancel")), this);
    cmdcancel_->setObjectName("Cmdcancel");
    cmdcancel_->setAutoDefault(false);

    grid->addWidget(lbllook, 0, 0);
    grid->addWidget(drvfiles_, 0, 1);
    grid->addWidget(dirfiles_, 1, 0, 1, 2);
    grid->addWidget(filfiles_, 0, 2, 2, 2);
    grid->addWidget(lblname, 2, 0);
    grid->addWidget(txtfiles_, 2, 1, 1, 2);
    grid->addWidget(lbltype, 3, 0);
    grid->addWidget(cbfiles_, 3, 1, 1, 2);
    grid->addWidget(lbldelete_, 4, 0, 1, 3);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdopen_);
    buttons->addWidget(cmdsave_);
    buttons->addWidget(cmdcancel_);
    grid->addLayout(buttons, 2, 3, 3, 1, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    resize(560, 380);
    // A quarter of the screen in from the top and from the left.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        Placewhole(this, {area.left() + area.width() / 4, area.top() + area.height() / 4});
    }

    auto run = [this](std::function<void(Tallimormod&)> handler) { forward_(handler); };
    connect(drvfiles_, &QComboBox::activated, this,
            [run](int place) { run([place](Tallimormod& m) { m.Drvfiles_Change(place); }); });
    connect(dirfiles_, &QListWidget::itemActivated, this, &Fmfiles::Folderactivated);
    connect(filfiles_, &QListWidget::currentRowChanged, this, [this, run](int row) {
        if (row >= 0 && (!shown_ || shown_->highlighted != row))
            run([row](Tallimormod& m) { m.Filfiles_Click(row); });
    });
    connect(filfiles_, &QListWidget::itemActivated, this, [this, run](QListWidgetItem* item) {
        const int row = filfiles_->row(item);
        run([row](Tallimormod& m) { m.Filfiles_DblClick(row); });
    });
    connect(txtfiles_, &QLineEdit::textEdited, this, [run](const QString& text) {
        const std::string name = text.toStdString();
        run([name](Tallimormod& m) { m.Txtfiles_Change(name); });
    });
    connect(cmdopen_, &QPushButton::clicked, this, [run] { run([](Tallimormod& m) { m.Cmdopen_Click(); }); });
    connect(cmdsave_, &QPushButton::clicked, this, [run] { run([](Tallimormod& m) { m.Cmdsave_Click(); }); });
    connect(cmdcancel_, &QPushButton::clicked, this,
            [run] { run([](Tallimormod& m) { m.Fmfiles_Cmdcancel_Click(); }); });
    // Enter on a list opens what it points at and nothing more.
    dirfiles_->installEventFilter(this);
    filfiles_->installEventFilter(this);
}

void Fmfiles::Folderactivated(QListWidgetItem* item) {
    const std::string folder = item->data(Qt::UserRole).toString().toStdString();
    forward_([folder](Tallimormod& m) { m.Dirfiles_Change(folder); });
}

bool Fmfiles::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* list = qobject_cast<QListWidget*>(watched);
        if (list && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (QListWidgetItem* item = list->currentItem()) emit list->itemActivated(item);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Fmfiles::keyReleaseEvent(QKeyEvent* event) {
    // The Delete key edits a typed name; elsewhere it deletes the highlighted file.
    if (event->key() == Qt::Key_Delete && focusWidget() != txtfiles_) {
        forward_([](Tallimormod& m) { m.Fmfiles_Delete_KeyUp(); });
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void Fmfiles::closeEvent(QCloseEvent* event) {
    // The module closes the window; the title bar's close button cancels.
    event->ignore();
    forward_([](Tallimormod& m) { m.Fmfiles_Cmdcancel_Click(); });
}

void Fmfiles::reject() {
    forward_([](Tallimormod& m) { m.Fmfiles_Cmdcancel_Click(); });
}

void Fmfiles::Show(const Fileview& v) {
    const bool fresh = !shown_ || shown_->serial != v.serial;
    const bool moved = fresh || shown_->chain != v.chain;
    setWindowTitle(Q(v.caption));
    {
        const QSignalBlocker quiet(drvfiles_);
        panel::Setlist(drvfiles_, v.places);
    }
    if (moved || shown_->folders != v.folders) {
        const QSignalBlocker quiet(dirfiles_);
        dirfiles_->clear();
        const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
        const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
        int depth = 0;
        for (const std::string& folder : v.chain) {
            auto* item = new QListWidgetItem(open, QString(depth++ * 2, ' ') + Foldername(folder), dirfiles_);
            item->setData(Qt::UserRole, Q(folder));
        }
        dirfiles_->setCurrentRow(depth - 1);
        for (const std::string& name : v.folders) {
            auto* item = new QListWidgetItem(closed, QString(depth * 2, ' ') + Q(name), dirfiles_);
            item->setData(Qt::UserRole, Q(v.chain.back() + name));
        }
    }
    {
        const QSignalBlocker quiet(filfiles_);
        if (fresh || shown_->files != v.files) {
            filfiles_->clear();
            for (const std::string& name : v.files) filfiles_->addItem(Q(name));
        }
        if (filfiles_->currentRow() != v.highlighted) filfiles_->setCurrentRow(v.highlighted);
    }
    panel::Settext(txtfiles_, v.name);
    cmdopen_->setVisible(v.opening);
    cmdsave_->setVisible(!v.opening);
    cmdopen_->setDefault(v.opening);
    cmdsave_->setDefault(!v.opening);
    shown_ = v;
    if (moved) txtfiles_->setFocus();
}

}  // namespace tallimor
