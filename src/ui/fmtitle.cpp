#include "ui/fmtitle.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "ui/board.h"
#include "ui/placement.h"

namespace tallimor {

namespace {

constexpr const char* kPassword = "583016";

QLabel* Titlelabel(QWidget* parent, const char* name, const QString& text, int top, int height, int points,
                   bool bold, int spacing = 0) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    label->setFont(font);
    label->setStyleSheet("QLabel { color: white; background: transparent; }");
    label->adjustSize();
    label->move((parent->width() - label->width()) / 2, top + (height - label->height()) / 2);
    return label;
}

}  // namespace

Fmtitle::Fmtitle(QWidget* parent) : QWidget(parent) {
    setObjectName("Fmtitle");
    setWindowTitle("Tallimor");
    setFixedSize(520, 320);
    Titlelabel(this, "Lbltallimor", "TALLIMOR", 40, 80, 44, true, 6);
    lbldesign_ =
        Titlelabel(this, "Lbldesign", "Designed and written by the Tallimor developers", 128, 28, 11, false);
    lbldesign_->installEventFilter(this);
    Titlelabel(this, "Lblstart", "Click mouse to start.", 258, 30, 12, true);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        Placewhole(this, area.center() - rect().center());
    }

    tmrtitle_ = new QTimer(this);
    tmrtitle_->setObjectName("Tmrtitle");
    tmrtitle_->setInterval(5000);
    connect(tmrtitle_, &QTimer::timeout, this, &Fmtitle::Form_Click);
    tmrtitle_->start();
}

bool Fmtitle::Designerclick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return button == Qt::RightButton && held == (Qt::ControlModifier | Qt::AltModifier);
}

void Fmtitle::mousePressEvent(QMouseEvent* event) {
    // Only the background counts: a press on a label is passed up to here too.
    if (!childAt(event->position().toPoint())) Form_Click();
}

void Fmtitle::closeEvent(QCloseEvent* event) {
    // Closing the title is taken as the click it asks for.
    if (inputbox_) {
        event->ignore();
        return;
    }
    Form_Click();
    event->accept();
}

bool Fmtitle::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbldesign_ && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Lbldesign_MouseDown(mouse->button(), mouse->modifiers());
    }
    return QWidget::eventFilter(watched, event);
}

void Fmtitle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(30, 60, 120));
    sky.setColorAt(1, QColor(90, 150, 210));
    p.fillRect(rect(), sky);
    const int side = 24, pitch = 32, left = (width() - (10 * pitch - (pitch - side))) / 2;
    for (int c = 0; c < 10; ++c) {
        p.setBrush(Panelcolour(c));
        p.setPen(QPen(QColor(20, 20, 20), 1.5));
        p.drawEllipse(QRect(left + c * pitch, 190, side, side));
    }
}

void Fmtitle::Form_Click() {
    if (started_) return;
    started_ = true;
    tmrtitle_->stop();
    hide();
    emit Started(designer_);
}

void Fmtitle::Lbldesign_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (started_ || inputbox_ || !Designerclick(button, modifiers)) return;
    // The countdown waits while the password is asked.
    tmrtitle_->stop();
    auto* box = new QInputDialog(this);
    inputbox_ = box;
    box->setObjectName("Inputbox");
    box->setWindowTitle("Tallimor");
    box->setLabelText("Input password");
    box->setTextEchoMode(QLineEdit::Password);
    // Not open(), which would make it modal to the title alone.
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QInputDialog::finished, this, [this, box](int result) {
        const QString answer = result == QDialog::Accepted ? box->textValue() : QString();
        box->deleteLater();
        inputbox_ = nullptr;
        Password(answer);
    });
    box->show();
}

void Fmtitle::Password(const QString& answer) {
    tmrtitle_->start();
    if (answer != kPassword) return;
    designer_ = true;
    Form_Click();
}

}  // namespace tallimor
