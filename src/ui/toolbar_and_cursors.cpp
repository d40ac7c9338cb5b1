// The main window's toolbar, which follows the menus, and the program's own
// cursors.

#include <QAction>
#include <QGroupBox>
#include <QLayout>
#include <QToolBar>

#include "game/toolbar.h"
#include "ui/cursors.h"
#include "ui/fmmain.h"
#include "ui/toolbar_pictures.h"

namespace tallimor {

void Fmmain::Buildtoolbar() {
    tlbgame_ = addToolBar("Tlbgame");
    tlbgame_->setObjectName("Tlbgame");
    tlbgame_->setMovable(false);
    tlbgame_->setFloatable(false);
    tlbgame_->setIconSize(QSize(24, 24));
    // Little room round the buttons: the window must fit a small screen.
    tlbgame_->layout()->setContentsMargins(2, 1, 2, 1);
    tlbgame_->setContextMenuPolicy(Qt::PreventContextMenu);
    for (int i = 1; i <= kToolbuttons; ++i) {
        QAction* button =
            tlbgame_->addAction(Toolbarpicture(i), QString::fromUtf8(Tooltip(i).data(), Tooltip(i).size()));
        button->setObjectName(QString("Tlbgame%1").arg(i));
        connect(button, &QAction::triggered, this, [this, i] { Forward([&] { mod_.Tlbgame_Click(i); }); });
        toolbuttons_[static_cast<size_t>(i)] = button;
        // The switches show their state: pressed while their choice is in force.
        if (i == 7 || (i >= 9 && i <= 12)) button->setCheckable(true);
        if (i == 5 || i == 8 || i == 12) tlbgame_->addSeparator();
    }
}

void Fmmain::Rendertoolbar(const Mainview& v, bool all, const Mainview& was) {
    if (all || v.animation.on != was.animation.on) {
        const std::string_view tip = Tooltip(7, v.animation.on);
        toolbuttons_[7]->setToolTip(QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size())));
    }
    // A checkable button toggles itself when pressed: its state is set anew every time.
    for (int i = 1; i <= kToolbuttons; ++i) {
        QAction* button = toolbuttons_[static_cast<size_t>(i)];
        if (button->isCheckable()) button->setChecked(v.toolbarPressed[static_cast<size_t>(i)]);
    }
    if (!all && v.toolbar == was.toolbar) return;
    for (int i = 1; i <= kToolbuttons; ++i)
        toolbuttons_[static_cast<size_t>(i)]->setEnabled(v.toolbar[static_cast<size_t>(i)]);
}

void Fmmain::Setcursors() {
    waitcursor_ = Programcursor(programFolder_, Cursorkind::Wait);
    const QCursor point = Programcursor(programFolder_, Cursorkind::Point);
    for (QWidget* w : {static_cast<QWidget*>(frcolour_), static_cast<QWidget*>(frgetstring_),
                       static_cast<QWidget*>(frerror_)})
        w->setCursor(point);
    for (PieceCell* cell : stringcells_) {
        cell->setCursor(point);
        cell->Dragcursor = point;
    }
}

}  // namespace tallimor
