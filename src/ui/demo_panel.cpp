// The demo's panels in the main window, its message panel and its speed bar,
// the presses on the record that end a demo or offer the Game menu, and the
// animation over the record and the idle picture.

#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ui/animation.h"
#include "ui/fmmain.h"
#include "ui/fmmessage.h"
#include "ui/panel_widgets.h"

namespace tallimor {

using namespace panel;

void Fmmain::Builddemo(QWidget* central) {
    // Where the Colour Panel and the guess input stand in a game the player plays.
    picdemo_ = Makeframe(central, "Picdemo", "", QRect(kRight, 224, kRightWidth, 118));
    picdemo_->setStyleSheet(
        "QGroupBox#Picdemo { background: #fffdf4; border: 2px solid #6b4f2a; border-radius: 6px; }");
    piclogo_ = Makelabel(picdemo_, "Piclogo", QRect(14, 14, 40, 40));
    piclogo_->setAlignment(Qt::AlignCenter);
    lbldemo_ = Makelabel(picdemo_, "Lbldemo", QRect(66, 10, kRightWidth - 80, 98));
    lbldemo_->setWordWrap(true);
    lbldemo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbldemo_->setStyleSheet("QLabel { font-size: 11pt; color: #14407a; }");

    frscroll_ = Makeframe(central, "Frscroll", "", QRect(kRight, 350, kRightWidth, 78));
    auto* lblscroll = Makelabel(frscroll_, "Lblscroll", QRect(10, 8, kRightWidth - 20, 20),
                                "Use the scrollbar below to adjust the speed of demo.");
    lblscroll->setAlignment(Qt::AlignCenter);
    // The bar's maximum is the longest pause, so "slow" is at its right end.
    Makelabel(frscroll_, "Lblfast", QRect(10, 38, 40, 24), "fast");
    auto* slow = Makelabel(frscroll_, "Lblslow", QRect(kRightWidth - 50, 38, 40, 24), "slow");
    slow->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hsbspeed_ = new QScrollBar(Qt::Horizontal, frscroll_);
    hsbspeed_->setObjectName("Hsbspeed");
    hsbspeed_->setGeometry(54, 40, kRightWidth - 108, 20);
    hsbspeed_->setPageStep(10);
    connect(hsbspeed_, &QScrollBar::valueChanged, this,
            [this](int value) { Forward([&] { mod_.Hsbspeed_Change(value); }); });

    animation_ = new Animation(picfore_, picrecord_, this);
    picrecord_->Pressed = [this](int button) { Forward([&] { mod_.Picrecord_MouseDown(button); }); };
    picfore_->Pressed = [this](int button) { Forward([&] { mod_.Picfore_MouseDown(button); }); };
}

void Fmmain::Renderdemo(const Mainview& v, bool all, const Mainview& was) {
    const Demoview& d = v.demo;
    if (all || !(d == was.demo)) {
        Settext(lbldemo_, d.text);
        if (all || d.icon != was.demo.icon) piclogo_->setPixmap(Messageicon(programFolder_, d.icon));
        {
            const QSignalBlocker quiet(hsbspeed_);
            hsbspeed_->setMaximum(d.speedMax);
            hsbspeed_->setValue(d.speed);
        }
        picdemo_->setVisible(d.shown);
        frscroll_->setVisible(d.speedShown);
    }
    animation_->Render(v.animation, all, was.animation);
    if (!all && v.gamemenuPopups != was.gamemenuPopups) mnugame_->popup(QCursor::pos());
}

}  // namespace tallimor
