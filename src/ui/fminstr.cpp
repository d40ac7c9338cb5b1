#include "ui/fminstr.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <array>

#include "ui/logo.h"
#include "ui/placement.h"

namespace tallimor {

namespace {

enum class Kind { Body, Heading, Note };

struct Line {
    Kind kind;
    const char* text;
};

// One entry a printed line; the leading blanks are part of the text.
constexpr std::array<Line, 26> kInstructions{{
    {Kind::Body, ""},
    {Kind::Heading, " GAME TYPE"},
    {Kind::Body, ""},
    {Kind::Body, " This programme has the richest variations of the classical"},
    {Kind::Body, " Tallimor game.  There are altogether 1424 different variations"},
    {Kind::Body, " available.  You may see all these variations in the Game Setting"},
    {Kind::Body, " Menu.  Choose a game setting from this menu."},
    {Kind::Body, " You may choose to be the Codebreaker or the Codemaker.  You may "},
    {Kind::Body, " also choose to watch the computer play the game with itself."},
    {Kind::Body, ""},
    {Kind::Heading, " THE GAME"},
    {Kind::Body, ""},
    {Kind::Body, " The Codemaker thinks of a colour string (the secret code) using"},
    {Kind::Body, " any combination of colours in the Colour Panel.  The Codebreaker"},
    {Kind::Body, " will try to duplicate the exact colours and positions of the"},
    {Kind::Body, " secret code. Each time the Codebreaker makes a guess, the"},
    {Kind::Body, " Codemaker must give information by displaying black and white"},
    {Kind::Body, " boxes.  A black box is displayed for every colour box which is"},
    {Kind::Body, " the same colour and in exactly the same position as one of the"},
    {Kind::Body, " colour boxes in the secret code, while a white box is displayed"},
    {Kind::Body, " for each colour box which is matched in colour but not position."},
    {Kind::Body, " When the Codebreaker duplicates the secret code, he wins the"},
    {Kind::Body, " game."},
    {Kind::Body, ""},
    {Kind::Note, "N.B. For detailed instructions of this programme, please read the"},
    {Kind::Note, "HTML file named Vbintro.html attached with this programme."},
}};

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
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(line.text)));
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
            p.drawText(kMargin, top, QString::fromLatin1(line.text));
            top += p.fontMetrics().lineSpacing() - p.fontMetrics().ascent();
        }
    }
};

}  // namespace

Fminstr::Fminstr(QWidget* parent) : Okdialog(parent) {
    setObjectName("Fminstr");
    setWindowTitle("Brief Instructions");
    auto* piclogo = new QLabel(this);
    piclogo->setObjectName("Piclogo");
    piclogo->setPixmap(Logopicture(56));
    piclogo->setGeometry(kMargin, kMargin, 56, 56);
    auto* lbltitle = new QLabel("Brief Instructions", this);
    lbltitle->setObjectName("Lbltitle");
    QFont big = lbltitle->font();
    big.setPointSize(18);
    big.setBold(true);
    lbltitle->setFont(big);
    lbltitle->setStyleSheet("QLabel { color: #6b4f2a; }");
    auto* picinstr = new Instructionpicture(this);
    picinstr->move(kMargin, 56 + 2 * kMargin);
    lbltitle->setGeometry(56 + 2 * kMargin, kMargin, picinstr->width() - 56 - kMargin, 56);
    auto* ok = new QPushButton("OK", this);
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
