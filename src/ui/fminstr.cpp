#include "ui/fminstr.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <array>

#include "game/window_captions.h"
#include "ui/logo.h"
#include "ui/panel_widgets.h"
#include "ui/placement.h"

namespace tallimor {

using panel::Q;

namespace {

using Kind = Instructionkind;
using Line = Instructionline;

constexpr int kMargin = 10;

QFont Linefont(QFont font, Kind kind) {
    font.setItalic(kind == Kind::Heading);
    font.setBold(kind == Kind::Note);
    return font;
}

QColor Linecolour(Kind kind) {
    switch (kind) {
        case Kind::Heading:
            return Qt::black;
        case Kind::Note:
            return QColor(255, 0, 0);
        case Kind::Body:
            break;
    }
    return QColor(0, 0, 255);
}

// Picinstr: sized to the text in whatever font the system gives, so no line is cut.
class Instructionpicture : public QWidget {
   public:
    explicit Instructionpicture(QWidget* parent) : QWidget(parent) {
        setObjectName("Picinstr");
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(192, 192, 255));
        setPalette(pal);
        setAutoFillBackground(true);
        int widest = 0, height = 0;
        for (const Line& line : kInstructions) {
            const QFontMetrics metrics(Linefont(font(), line.kind));
            widest = std::max(widest, metrics.horizontalAdvance(Q(line.text)));
            height += metrics.lineSpacing();
        }
        setFixedSize(widest + 2 * kMargin, height + 2 * kMargin);
    }

   protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        int top = kMargin;
        for (const Line& line : kInstructions) {
            p.setFont(Linefont(font(), line.kind));
            p.setPen(Linecolour(line.kind));
            top += p.fontMetrics().ascent();
            p.drawText(kMargin, top, Q(line.text));
            top += p.fontMetrics().lineSpacing() - p.fontMetrics().ascent();
        }
    }
};

}  // namespace

Fminstr::Fminstr(QWidget* parent) : Okdialog(parent) {
    setObjectName("Fminstr");
    setWindowTitle(Q(kInstructionstitle));
    auto* piclogo = new QLabel(this);
    piclogo->setObjectName("Piclogo");
    piclogo->setPixmap(Logopicture(56));
    piclogo->setGeometry(kMargin, kMargin, 56, 56);
    auto* lbltitle = new QLabel(Q(kInstructionstitle), this);
    lbltitle->setObjectName("Lbltitle");
    QFont big = lbltitle->font();
    big.setPointSize(18);
    big.setBold(true);
    lbltitle->setFont(big);
    lbltitle->setStyleSheet("QLabel { color: #6b4f2a; }");
    auto* picinstr = new Instructionpicture(this);
    picinstr->move(kMargin, 56 + 2 * kMargin);
    lbltitle->setGeometry(56 + 2 * kMargin, kMargin, picinstr->width() - 56 - kMargin, 56);
    auto* ok = new QPushButton(Q(Caption("Cmdokinstr")), this);
    ok->setObjectName("Cmdokinstr");
    ok->setDefault(true);
    ok->setGeometry((picinstr->width() + 2 * kMargin - 96) / 2, picinstr->geometry().bottom() + kMargin, 96,
                    30);
    connect(ok, &QPushButton::clicked, this, &Fminstr::Okpressed);
    setFixedSize(picinstr->width() + 2 * kMargin, ok->geometry().bottom() + kMargin + 1);
    // A ninth of the way down the screen, a fifth of the way across.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        Placewhole(this, {area.left() + area.width() / 5, area.top() + area.height() / 9});
    }
}

}  // namespace tallimor
