// The Help menu's windows over the main window, the designer's buttons of the
// Game Setting Menu, and the window's activation, at which designer mode
// shows itself.

#include <QShowEvent>

#include "game/window_captions.h"
#include "ui/fmabout.h"
#include "ui/fminstr.h"
#include "ui/fmmain.h"
#include "ui/panel_widgets.h"

namespace tallimor {

using namespace panel;

namespace {

// The Game Setting Menu grows by a row of buttons in designer mode.
constexpr int kMenuheight = 400, kDesignerheight = 436;

}  // namespace

void Fmmain::Builddesigner() {
    cmdsimulate_ = Makebutton(frmenu_, "Cmdsimulate", Q(Caption("Cmdsimulate")), QRect(16, 396, 96, 30));
    cmdinitstat_ = Makebutton(frmenu_, "Cmdinitstat", Q(Caption("Cmdinitstat")), QRect(118, 396, 148, 30));
    cmdseestat_ = Makebutton(frmenu_, "Cmdstat", Q(Caption("Cmdstat")), QRect(272, 396, 96, 30));
    connect(cmdsimulate_, &QPushButton::clicked, this,
            [this] { Forward([&] { mod_.Cmdsimulate_Click(); }); });
    connect(cmdinitstat_, &QPushButton::clicked, this,
            [this] { Forward([&] { mod_.Cmdinitstat_Click(); }); });
    connect(cmdseestat_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdstat_Click(); }); });
}

void Fmmain::Renderhelp(const Mainview& v, bool all, const Mainview& was) {
    if (all || v.designerButtons != was.designerButtons) {
        for (QPushButton* b : {cmdsimulate_, cmdinitstat_, cmdseestat_}) b->setVisible(v.designerButtons);
        frmenu_->resize(frmenu_->width(), v.designerButtons ? kDesignerheight : kMenuheight);
    }
    // Each window is modal over the whole program without a loop of its own:
    // it is shown while the module has it open and closed when it has not.
    auto sync = [this, &v]<class W>(W*& window, bool open, void (Tallimormod::*ok)()) {
        if (open && !window) {
            window = new W(this);
            connect(window, &W::Okpressed, this, [this, ok] { Forward([&] { (mod_.*ok)(); }); });
            window->setWindowModality(Qt::ApplicationModal);
            window->show();
        } else if (!open && window) {
            window->hide();
            window->deleteLater();
            window = nullptr;
            // Back on the main window, F1 to F9 work at once.
            activateWindow();
            Renderfocus(v, true);
        }
    };
    sync(fminstr_, v.instructions, &Tallimormod::Cmdokinstr_Click);
    sync(fmabout_, v.about, &Tallimormod::Cmdokabout_Click);
}

void Fmmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Forward([&] { mod_.Form_Activate(designer_); });
}

void Fmmain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Forward([&] { mod_.Form_Activate(designer_); });
}

}  // namespace tallimor
