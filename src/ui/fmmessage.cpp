#include "ui/fmmessage.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

#include "ui/placement.h"

namespace tallimor {

namespace {

// Positions as designed, in twips; the window shows them at 10 twips a pixel.
constexpr int Px(int twips) { return twips / 10; }

QPixmap Drawnicon(char letter) {
    QPixmap picture(40, 40);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(26);
    p.setFont(f);
    switch (letter) {
        case 'X':
            p.setBrush(QColor(210, 30, 30));
            p.setPen(QPen(QColor(120, 0, 0), 1.5));
            p.drawEllipse(QRectF(2, 2, 36, 36));
            p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(13, 13), QPointF(27, 27));
            p.drawLine(QPointF(27, 13), QPointF(13, 27));
            break;
        case '!': {
            QPainterPath triangle;
            triangle.moveTo(20, 2);
            triangle.lineTo(38, 37);
            triangle.lineTo(2, 37);
            triangle.closeSubpath();
            p.setBrush(QColor(250, 210, 30));
            p.setPen(QPen(QColor(120, 90, 0), 1.5));
            p.drawPath(triangle);
            p.setPen(Qt::black);
            p.drawText(QRect(0, 9, 40, 30), Qt::AlignCenter, "!");
            break;
        }
        default:
            p.setBrush(letter == '?' ? QColor(40, 110, 210) : QColor(30, 150, 110));
            p.setPen(QPen(QColor(0, 40, 100), 1.5));
            p.drawEllipse(QRectF(2, 2, 36, 36));
            p.setPen(Qt::white);
            p.drawText(QRect(0, 0, 40, 40), Qt::AlignCenter, letter == '?' ? "?" : "i");
            break;
    }
    return picture;
}

}  // namespace

QPixmap Messageicon(const QString& programFolder, char letter) {
    const std::string file = Iconfile(letter);
    if (file.empty()) return {};
    QPixmap picture(programFolder + QString::fromStdString(file));
    return picture.isNull() ? Drawnicon(letter)
                            : picture.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

Fmmessage::Fmmessage(const QString& programFolder, QWidget* parent)
    : QDialog(parent),
      programFolder_(programFolder),
      piclogo_(new QLabel(this)),
      lblmessage_(new QLabel(this)) {
    setObjectName("Fmmessage");
    setWindowModality(Qt::WindowModal);
    setFixedSize(Px(4860), Px(1560) + 20);
    piclogo_->setObjectName("Piclogo");
    piclogo_->setGeometry(Px(120), Px(240) - 4, 40, 40);
    piclogo_->setAlignment(Qt::AlignCenter);
    lblmessage_->setObjectName("Lblmessage");
    lblmessage_->setWordWrap(true);
    lblmessage_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblmessage_->setGeometry(Px(840) - 10, Px(300) - 14, Px(3975), Px(735) + 24);

    const std::array<const char*, 5> names{"Cmdl2", "Cmdl3", "Cmdmid", "Cmdr3", "Cmdr2"};
    const std::array<int, 5> lefts{1200, 600, 1920, 3240, 2760};
    for (size_t i = 0; i < buttons_.size(); ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(names[i]);
        button->setGeometry(Px(lefts[i]), Px(960) + 18, Px(1095), Px(495) - 10);
        button->setAutoDefault(false);
        button->hide();
        const auto which = static_cast<Msgbutton>(i);
        connect(button, &QPushButton::clicked, this, [this, which] { emit Buttonpressed(which); });
        buttons_[i] = button;
    }
    // A third of the way across and down the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        Placewhole(this, {area.left() + area.width() / 3, area.top() + area.height() / 3});
    }
}

void Fmmessage::Messagebox(int buttons, char icon, const QString& l2, const QString& l3, const QString& mid,
                           const QString& r3, const QString& r2, Msgbutton defaultButton,
                           const QString& identifier, const QString& title) {
    if (buttons >= 1 && buttons <= 3) {
        Button(Msgbutton::Cmdmid)->setVisible(buttons != 2);
        Button(Msgbutton::Cmdl2)->setVisible(buttons == 2);
        Button(Msgbutton::Cmdr2)->setVisible(buttons == 2);
        Button(Msgbutton::Cmdl3)->setVisible(buttons == 3);
        Button(Msgbutton::Cmdr3)->setVisible(buttons == 3);
    }
    const QPixmap picture = Messageicon(programFolder_, icon);
    if (!picture.isNull()) {
        piclogo_->setPixmap(picture);
        icon_ = icon;
    }
    const std::array<QString, 5> captions{l2, l3, mid, r3, r2};
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setText(captions[i]);
        buttons_[i]->setDefault(static_cast<Msgbutton>(i) == defaultButton);
    }
    Button(defaultButton)->setFocus();
    tag_ = identifier;
    setWindowTitle(title);
}

void Fmmessage::Show(const Boxview& box) {
    lblmessage_->setText(QString::fromStdString(box.text));
    auto q = [](const std::string& text) { return QString::fromStdString(text); };
    Messagebox(box.buttons, box.icon, q(box.captions[0]), q(box.captions[1]), q(box.captions[2]),
               q(box.captions[3]), q(box.captions[4]), box.defaultButton,
               q(std::string(Messageinfo(box.id).name)), q(box.title));
    Button(Msgbutton::Cmdl3)->setEnabled(box.saveOffered);
}

void Fmmessage::closeEvent(QCloseEvent* event) {
    // Only a button answers the box: the close box and Escape do nothing.
    event->ignore();
}

void Fmmessage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace tallimor
