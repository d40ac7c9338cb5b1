#include "ui/animation.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>
#include <array>
#include <map>

#include "rules/game_record.h"
#include "ui/board.h"

namespace tallimor {

namespace {

constexpr int kBirdwidth = 32, kBirdheight = 22;
constexpr int kFrames = 4;

// One cloud: a few overlapping puffs round (x, y).
void Drawcloud(QPainter& p, double x, double y, double scale) {
    p.drawEllipse(QPointF(x, y), 46 * scale, 16 * scale);
    p.drawEllipse(QPointF(x - 26 * scale, y + 4 * scale), 26 * scale, 12 * scale);
    p.drawEllipse(QPointF(x + 24 * scale, y - 6 * scale), 30 * scale, 14 * scale);
    p.drawEllipse(QPointF(x + 2 * scale, y - 10 * scale), 20 * scale, 12 * scale);
}

// The bird in frame f (wings up, level, down, level), facing right, on a transparent ground.
void Drawbird(QPainter& p, int f) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // The tail.
    p.setBrush(QColor(30, 70, 140));
    p.drawPolygon(QPolygonF({QPointF(9, 12), QPointF(1, 7), QPointF(3, 12), QPointF(1, 17)}));
    // The far wing, a shade darker, behind the body.
    constexpr std::array<QPointF, kFrames> tips{QPointF(11, 0), QPointF(5, 9), QPointF(11, 21),
                                                QPointF(5, 9)};
    const QPointF tip = tips[static_cast<size_t>(f)];
    p.setBrush(QColor(25, 60, 120));
    p.drawPolygon(QPolygonF({QPointF(14, 11), QPointF(20, 11), tip + QPointF(3, 0)}));
    // Body and belly.
    p.setBrush(QColor(45, 105, 190));
    p.drawEllipse(QPointF(15, 12.5), 9.5, 5.5);
    p.setBrush(QColor(235, 220, 170));
    p.drawEllipse(QPointF(17, 14.5), 6, 2.6);
    // Head, eye and beak.
    p.setBrush(QColor(45, 105, 190));
    p.drawEllipse(QPointF(24.5, 9.5), 4.5, 4.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(25.8, 8.6), 1.7, 1.7);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(26.2, 8.6), 0.8, 0.8);
    p.setBrush(QColor(250, 160, 20));
    p.drawPolygon(QPolygonF({QPointF(28, 8.5), QPointF(32, 10.5), QPointF(28, 12)}));
    // The near wing, over the body.
    QPainterPath wing;
    wing.moveTo(12, 12);
    wing.quadTo((12 + tip.x()) / 2 - 2, (12 + tip.y()) / 2, tip.x(), tip.y());
    wing.lineTo(19, 12);
    wing.closeSubpath();
    p.setBrush(QColor(70, 140, 220));
    p.drawPath(wing);
}

Birdpictures Makebird(qreal ratio) {
    Birdpictures b;
    b.width = kBirdwidth;
    b.height = kBirdheight;
    QImage drawn((QSizeF(kBirdwidth * kFrames, kBirdheight) * ratio).toSize(), QImage::Format_ARGB32);
    drawn.setDevicePixelRatio(ratio);
    drawn.fill(Qt::transparent);
    {
        QPainter p(&drawn);
        for (int f = 0; f < kFrames; ++f) {
            p.save();
            p.translate(f * kBirdwidth, 0);
            Drawbird(p, f);
            p.restore();
        }
    }
    // A pixel is the bird's when it is mostly covered; the frame keeps its
    // colour on black, the mask is black there and white elsewhere.
    b.frames = QImage(drawn.size(), QImage::Format_RGB32);
    b.masks = QImage(drawn.size(), QImage::Format_RGB32);
    b.frames.setDevicePixelRatio(ratio);
    b.masks.setDevicePixelRatio(ratio);
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        auto* frame = reinterpret_cast<QRgb*>(b.frames.scanLine(y));
        auto* mask = reinterpret_cast<QRgb*>(b.masks.scanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            const bool bird = qAlpha(in[x]) >= 128;
            frame[x] = bird ? (in[x] | 0xFF000000u) : qRgb(0, 0, 0);
            mask[x] = bird ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
    }
    return b;
}

}  // namespace

QImage Skypicture(QSize size) {
    QImage sky(size, QImage::Format_RGB32);
    QPainter p(&sky);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(70, 130, 200));
    gradient.setColorAt(0.7, QColor(170, 210, 240));
    gradient.setColorAt(1, QColor(235, 245, 250));
    p.fillRect(sky.rect(), gradient);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    struct Cloud {
        double x, y, scale;
    };
    constexpr std::array<Cloud, 7> clouds{{{0.18, 0.14, 1.0},
                                           {0.72, 0.10, 1.1},
                                           {0.55, 0.72, 0.9},
                                           {0.12, 0.82, 1.0},
                                           {0.86, 0.62, 0.8},
                                           {0.40, 0.30, 0.6},
                                           {0.97, 0.36, 0.9}}};
    const double w = size.width(), h = size.height();
    // A cloud over the seam is drawn on both sides of it, so the sky wraps round.
    for (const Cloud& c : clouds)
        for (const double shift : {-w, 0.0, w}) Drawcloud(p, c.x * w + shift, c.y * h, c.scale);
    return sky;
}

void Background(QPainter& p, const QImage& sky, int offset) {
    p.drawImage(-offset, 0, sky);
    p.drawImage(sky.width() - offset, 0, sky);
}

const Birdpictures& Birdpicture(qreal ratio) {
    // One set of pictures per ratio in use: the screens of one desktop have a few at most.
    static std::map<qreal, Birdpictures> birds;
    auto it = birds.find(ratio);
    if (it == birds.end()) it = birds.emplace(ratio, Makebird(ratio)).first;
    return it->second;
}

Animation::Animation(IdlePicture* picfore, RecordBoard* picrecord, QObject* parent)
    : QObject(parent), picfore_(picfore), picrecord_(picrecord), tmrani_(new QTimer(this)) {
    setObjectName("Animation");
    tmrani_->setObjectName("Tmrani");
    tmrani_->setInterval(kTick);
    connect(tmrani_, &QTimer::timeout, this, &Animation::Tmrani_Timer);
    // A record drawn anew has no bird on it: it goes back on where it was.
    picrecord_->Redrawn = [this] {
        shown_ = false;
        if (Flying()) Drawfigure();
    };
    x_ = -Birdpicture().width;
}

void Animation::Render(const Animationview& v, bool all, const Animationview& was) {
    if (all || v.on != was.on) {
        if (v.on) {
            tmrani_->start();
        } else {
            // Off: the bird goes at once and the sky stands still.
            tmrani_->stop();
            lap_ = false;
            Erase();
        }
    }
    if (all || v.placed != was.placed) {
        Erase();
        x_ = -Birdpicture().width;
    }
    if (!all && v.winlaps != was.winlaps && v.on) {
        Erase();
        lap_ = true;
        lapTrial_ = v.trial;
        x_ = -Birdpicture().width;
    }
    fly_ = v.on && v.fly;
    trial_ = v.trial;
    if (!Flying()) Erase();
}

void Animation::Tmrani_Timer() {
    if (Flying()) {
        Erase();
        x_ += lap_ ? 2 * kStep : kStep;
        if (x_ >= picrecord_->width()) {
            // Out on the right, in again from the left; a lap of honour is over.
            x_ = -Birdpicture().width;
            lap_ = false;
        }
        y_ = Figurerow();
        if (Flying()) Drawfigure();
        frame_ = (frame_ + 1) % kFrames;
    }
    skyOffset_ = (skyOffset_ + 1) % std::max(1, picfore_->width());
    picfore_->Setskyoffset(skyOffset_);
}

int Animation::Figurerow() const {
    // Along the row being played, or the winning one; kept inside the record near its foot.
    const int trial = std::clamp(lap_ ? lapTrial_ : trial_ + 1, 1, kLastTrial);
    const int h = Birdpicture().height;
    return std::clamp(picrecord_->Guessbox(trial, 0).y() - h / 2, 0, std::max(0, picrecord_->height() - h));
}

void Animation::Erase() {
    if (!shown_) return;
    QImage& picture = picrecord_->Picture();
    const qreal ratio = picture.devicePixelRatio();
    const QRect r = Figure() & QRect(QPoint(), picrecord_->size());
    QPainter p(&picture);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPointF(r.topLeft()), picrecord_->Reserve(),
                QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
    p.end();
    shown_ = false;
    picrecord_->update(r);
}

void Animation::Drawfigure() {
    QImage& picture = picrecord_->Picture();
    const qreal ratio = picture.devicePixelRatio();
    const Birdpictures& b = Birdpicture(ratio);
    // The frame's column in the device's pixels, which the picture has too: no pixel is stretched.
    const QRectF frame(QPointF(frame_ * b.width, 0) * ratio, QSizeF(b.width, b.height) * ratio);
    QPainter p(&picture);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(QPointF(x_, y_), b.masks, frame);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(QPointF(x_, y_), b.frames, frame);
    p.end();
    shown_ = true;
    picrecord_->update(Figure());
}

}  // namespace tallimor
