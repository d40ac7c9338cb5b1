#include "ui/board.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>

#include "ui/animation.h"

namespace tallimor {

namespace {

constexpr int kHeadingHeight = 26;
constexpr int kBox = 12;    // side of a guess box on the record
constexpr int kPitch = 18;  // guess boxes stand this far apart
constexpr int kHintBox = 10;
constexpr int kHintPitch = 13;
constexpr int kGuessLeft = 44;
const QColor kBoardColour(0xF6, 0xEE, 0xD9);
const QColor kLineColour(0xC9, 0xB8, 0x93);
const QColor kFixedHint(192, 192, 192);  // light grey: a correct colour of a fixed-order game
const QColor kCorrected(214, 84, 0);     // the outline of a corrected hint and its margin bar

int Rowheight(int height) { return std::max(12, (height - kHeadingHeight - 4) / kLastTrial); }

void Drawdigit(QPainter& p, const QRect& r, char ch, const QColor& colour, int pointSize) {
    QFont f = p.font();
    f.setPointSize(pointSize);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, QString(QChar(ch)));
}

}  // namespace

void Drawblank(QPainter& p, const QRect& box) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(QColor(110, 110, 110), Qt::BDiagPattern));
    p.drawRect(box);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 70, 70), 1, Qt::DashLine));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.restore();
}

QColor Panelcolour(int colour) {
    static const std::array<QColor, 10> table{
        QColor(255, 0, 0),   QColor(255, 128, 0),  QColor(255, 255, 0), QColor(0, 255, 0),
        QColor(0, 255, 255), QColor(0, 0, 255),    QColor(255, 0, 255), QColor(255, 192, 255),
        QColor(192, 64, 0),  QColor(128, 128, 128)};
    return colour >= 0 && colour < 10 ? table[static_cast<size_t>(colour)] : Backgroundcolour();
}

namespace {

// A box filled with `fill` and framed in `frame`, the frame inside the box.
void Drawframedbox(QPainter& p, const QRect& box, const QColor& fill, const QColor& frame) {
    p.fillRect(box, fill);
    p.setPen(frame);
    p.drawRect(box.adjusted(0, 0, -1, -1));
}

// One position of a code: its digit in number display (on a box grown by
// `grow` on every side), else its colour or a blank.
void Drawposition(QPainter& p, const QRect& box, char ch, Displaymode mode, const QColor& digit,
                  int pointSize, int grow) {
    if (mode == Displaymode::Number)
        Drawdigit(p, box.adjusted(-grow, -grow, grow, grow), ch, digit, pointSize);
    else if (ch >= '0' && ch <= '9')
        Drawframedbox(p, box, Panelcolour(ch - '0'), QColor(60, 60, 60));
    else
        Drawblank(p, box);
}

}  // namespace

QColor Backgroundcolour() { return QColor(0xE4, 0xE0, 0xD4); }

RecordBoard::RecordBoard(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RecordBoard::Setgame(int codelength, bool fixedOrder) {
    codelength_ = std::clamp(codelength, 1, 8);
    fixedOrder_ = fixedOrder;
    stale_ = true;
    update();
}

void RecordBoard::Setmode(Displaymode mode) {
    mode_ = mode;
    stale_ = true;
    update();
}

void RecordBoard::Setheading(const QString& heading) {
    heading_ = heading;
    stale_ = true;
    update();
}

void RecordBoard::Setrows(const std::map<int, TrialRecord>& rows) {
    rows_ = rows;
    stale_ = true;
    update();
}

void RecordBoard::Setcorrected(const std::set<int>& trials) {
    if (trials == corrected_) return;
    corrected_ = trials;
    stale_ = true;
    update();
}

QPoint RecordBoard::Guessbox(int trial, int position) const {
    const int top = kHeadingHeight + (trial - 1) * Rowheight(height());
    const int rh = Rowheight(height());
    return {kGuessLeft + position * kPitch + kBox / 2, top + rh / 2};
}

namespace {

QSize Devicesize(QSize size, qreal ratio) { return (QSizeF(size) * ratio).toSize(); }

// A picture of `size` pixels of the window at `ratio` pixels of the device to each.
QImage Devicepicture(QSize size, qreal ratio) {
    QImage picture(Devicesize(size, ratio), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

}  // namespace

const QImage& RecordBoard::Reserve() {
    // On a high-density screen the pictures have the device's pixels, so the record and the figure are sharp.
    const qreal ratio = devicePixelRatioF();
    if (stale_ || reserve_.size() != Devicesize(size(), ratio) || reserve_.devicePixelRatio() != ratio)
        Makereserve();
    return reserve_;
}

QImage& RecordBoard::Picture() {
    Reserve();
    return picture_;
}

void RecordBoard::Makereserve() {
    reserve_ = Devicepicture(size(), devicePixelRatioF());
    QPainter p(&reserve_);
    Drawrecord(p);
    p.end();
    picture_ = reserve_.copy();
    stale_ = false;
    if (Redrawn) Redrawn();
}

void RecordBoard::paintEvent(QPaintEvent* event) {
    const QImage& picture = Picture();
    const qreal ratio = picture.devicePixelRatio();
    const QRectF r(event->rect());
    QPainter p(this);
    p.drawImage(r, picture, QRectF(r.topLeft() * ratio, r.size() * ratio));
}

namespace {

int Buttonnumber(const QMouseEvent* event) {
    return event->button() == Qt::LeftButton ? 1 : event->button() == Qt::RightButton ? 2 : 0;
}

}  // namespace

void RecordBoard::mousePressEvent(QMouseEvent* event) {
    if (const int button = Buttonnumber(event); button && Pressed) Pressed(button);
}

void IdlePicture::mousePressEvent(QMouseEvent* event) {
    if (const int button = Buttonnumber(event); button && Pressed) Pressed(button);
}

void RecordBoard::Drawrecord(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect(), kBoardColour);
    p.setPen(kLineColour);
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    QFont heading = font();
    heading.setPointSize(12);
    heading.setBold(true);
    p.setFont(heading);
    p.setPen(QColor(255, 0, 255));
    p.drawText(QRect(0, 3, width(), kHeadingHeight - 4), Qt::AlignHCenter | Qt::AlignVCenter, heading_);

    const int rh = Rowheight(height());
    const int hintLeft = kGuessLeft + codelength_ * kPitch + 14;
    QFont small = font();
    small.setPointSize(8);
    for (int trial = 1; trial <= kLastTrial; ++trial) {
        const int top = kHeadingHeight + (trial - 1) * rh;
        if (trial % 2 == 0) p.fillRect(QRect(1, top, width() - 2, rh), kBoardColour.darker(104));
        auto it = rows_.find(trial);
        p.setFont(small);
        p.setPen(it == rows_.end() ? kLineColour : QColor(60, 40, 20));
        p.drawText(QRect(4, top, 30, rh), Qt::AlignRight | Qt::AlignVCenter, QString::number(trial));
        if (it == rows_.end()) continue;

        const TrialRecord& row = it->second;
        const int boxTop = top + (rh - kBox) / 2;
        for (int pos = 0; pos < codelength_ && pos < static_cast<int>(row.Trialguess.size()); ++pos) {
            const char ch = row.Trialguess[static_cast<size_t>(pos)];
            const QRect box(kGuessLeft + pos * kPitch, boxTop, kBox, kBox);
            Drawposition(p, box, ch, mode_, QColor(0, 0, 160), 9, 3);
        }
        const int hintTop = top + (rh - kHintBox) / 2;
        int k = 0;
        for (int b = 0; b < row.Trialblack; ++b, ++k) {
            const QRect box(hintLeft + k * kHintPitch, hintTop, kHintBox, kHintBox);
            Drawframedbox(p, box, fixedOrder_ ? kFixedHint : QColor(Qt::black), Qt::black);
        }
        if (!fixedOrder_) {
            for (int w = 0; w < row.Trialwhite; ++w, ++k) {
                const QRect box(hintLeft + k * kHintPitch, hintTop, kHintBox, kHintBox);
                Drawframedbox(p, box, Qt::white, Qt::black);
            }
        }
        if (corrected_.count(trial)) {
            // The hint that was wrong and has been put right: outlined, with a bar in the margin.
            p.save();
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(QPen(kCorrected, 2));
            p.setBrush(Qt::NoBrush);
            const int width = std::max(codelength_, 1) * kHintPitch + 5;
            p.drawRoundedRect(QRectF(hintLeft - 4, hintTop - 3, width, kHintBox + 6), 3, 3);
            p.fillRect(QRect(2, top + 2, 4, rh - 4), kCorrected);
            p.restore();
        }
    }
}

CodeView::CodeView(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void CodeView::Setcode(const std::string& code) {
    code_ = code;
    update();
}

void CodeView::Setmode(Displaymode mode) {
    mode_ = mode;
    update();
}

void CodeView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int side = std::min(height() - 6, 26);
    const int pitch = side + 8;
    const int top = (height() - side) / 2;
    for (size_t pos = 0; pos < code_.size(); ++pos) {
        const QRect box(6 + static_cast<int>(pos) * pitch, top, side, side);
        Drawposition(p, box, code_[pos], mode_, QColor(0, 0, 255), 16, 4);
    }
}

HintBoxes::HintBoxes(QColor fill, QWidget* parent) : QWidget(parent), fill_(fill) {}

void HintBoxes::Setcount(int count) {
    count_ = std::clamp(count, 0, 8);
    update();
}

void HintBoxes::Setfill(QColor fill) {
    fill_ = fill;
    update();
}

void HintBoxes::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Each box is a square, 350 units apart at 300 units a side.
    const int side = std::min(height() - 2, 18);
    const int pitch = side * 350 / 300;
    for (int k = 0; k < count_; ++k) {
        Drawframedbox(p, QRect(1 + k * pitch, (height() - side) / 2, side, side), fill_, Qt::black);
    }
}

IdlePicture::IdlePicture(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void IdlePicture::Setskyoffset(int offset) {
    skyOffset_ = offset;
    update();
}

void IdlePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (sky_.size() != size()) sky_ = Skypicture(size());
    Background(p, sky_, skyOffset_);
    p.setRenderHint(QPainter::Antialiasing);

    QFont title = font();
    title.setPointSize(40);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(title);
    const QRect titleRect(0, height() / 2 - 90, width(), 70);
    p.setPen(QColor(20, 40, 90, 140));
    p.drawText(titleRect.translated(3, 3), Qt::AlignCenter, "TALLIMOR");
    p.setPen(Qt::white);
    p.drawText(titleRect, Qt::AlignCenter, "TALLIMOR");

    Idlecolours(p, QPoint((width() - Idlecoloursize().width()) / 2, height() / 2 - 4));
}

namespace {
constexpr int kIdleside = 26, kIdlepitch = 34;
}

QSize Idlecoloursize() { return {10 * kIdlepitch - (kIdlepitch - kIdleside), kIdleside}; }

void Idlecolours(QPainter& p, QPoint at) {
    p.setRenderHint(QPainter::Antialiasing);
    for (int c = 0; c < 10; ++c) {
        p.setBrush(Panelcolour(c));
        p.setPen(QPen(QColor(40, 40, 40), 1.5));
        p.drawEllipse(QRect(at.x() + c * kIdlepitch, at.y(), kIdleside, kIdleside));
    }
}

}  // namespace tallimor
