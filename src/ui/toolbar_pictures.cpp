#include "ui/toolbar_pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tallimor {

namespace {

// Every picture is drawn on a 24 x 24 grid and scaled to the size asked for.
constexpr qreal kGrid = 24;
constexpr int kPictures = 13;

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal line = 1.2) {
    p.setPen(QPen(fill.darker(180), line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath Rounded(qreal x0, qreal y0, qreal x1, qreal y1, qreal r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)), r, r);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath Line(QPointF a, QPointF b) {
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

const QColor kDark(60, 60, 70);

void Settings(QPainter& p) {  // three sliders
    const qreal knobs[3] = {15, 8, 13};
    const QColor fills[3] = {QColor(60, 120, 220), QColor(240, 150, 30), QColor(60, 170, 80)};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 5.5 + 6.5 * i;
        Stroke(p, Line({3, y}, {21, y}), kDark, 1.8);
        QPainterPath knob;
        knob.addEllipse(QPointF(knobs[i], y), 2.8, 2.8);
        Shape(p, knob, fills[i]);
    }
}

void Newgame(QPainter& p) {  // start: a green arrow head
    Shape(p, Polygon({{6, 3.5}, {20.5, 12}, {6, 20.5}}), QColor(50, 170, 70), 1.4);
}

void Load(QPainter& p) {  // an open folder
    Shape(p, Polygon({{2, 5}, {9, 5}, {11, 7.5}, {20, 7.5}, {20, 19.5}, {2, 19.5}}), QColor(215, 160, 35));
    Shape(p, Polygon({{5, 10.5}, {23, 10.5}, {19.5, 19.5}, {2, 19.5}}), QColor(250, 205, 80));
}

void Save(QPainter& p) {  // a floppy disk
    Shape(p, Polygon({{3, 3}, {18, 3}, {21, 6}, {21, 21}, {3, 21}}), QColor(60, 110, 200));
    Shape(p, Rounded(7, 3, 16, 9, 0.5), QColor(215, 215, 220), 1.0);
    p.fillRect(QRectF(12.5, 4.2, 2, 3.6), kDark);
    Shape(p, Rounded(6, 12.5, 18, 21, 0.8), QColor(250, 250, 250), 1.0);
    for (qreal y : {15.2, 18.0}) Stroke(p, Line({8, y}, {16, y}), QColor(150, 150, 160), 0.9);
}

void Endgame(QPainter& p) {  // stop: a red square
    Shape(p, Rounded(4.5, 4.5, 19.5, 19.5, 2.5), QColor(215, 55, 55), 1.4);
}

void Music(QPainter& p) {  // two quavers under a "not available" sign
    const QColor note(70, 50, 110);
    for (QPointF head : {QPointF(7.5, 17.5), QPointF(16.5, 15.5)}) {
        p.save();
        p.translate(head);
        p.rotate(-20);
        QPainterPath ellipse;
        ellipse.addEllipse(QPointF(0, 0), 3, 2.2);
        p.fillPath(ellipse, note);
        p.restore();
        Stroke(p, Line({head.x() + 2.6, head.y() - 0.8}, {head.x() + 2.6, head.y() - 12}), note, 1.3);
    }
    Stroke(p, Line({10.1, 5.2}, {19.1, 3.2}), note, 2.4);
    QPainterPath sign;
    sign.addEllipse(QPointF(12, 12), 10, 10);
    sign.moveTo(4.9, 19.1);
    sign.lineTo(19.1, 4.9);
    Stroke(p, sign, QColor(210, 40, 40), 2.0);
}

void Animation(QPainter& p) {  // a cloud and a flying bird in the sky
    Shape(p, Rounded(1.5, 3.5, 22.5, 20.5, 2.5), QColor(140, 200, 245), 1.0);
    QPainterPath cloud;
    cloud.addEllipse(QPointF(8, 15), 3.6, 3.6);
    cloud.addEllipse(QPointF(12.5, 12.8), 4.4, 4.4);
    cloud.addEllipse(QPointF(17, 15.2), 3.4, 3.4);
    cloud.addRect(QRectF(8, 15, 9, 3.6));
    cloud.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(cloud.simplified());
    QPainterPath bird(QPointF(12.5, 7.5));
    bird.quadTo(14.2, 5.3, 16, 7.2);
    bird.quadTo(17.8, 5.3, 19.5, 7.5);
    Stroke(p, bird, kDark, 1.3);
}

void Demo(QPainter& p) {  // a screen that plays by itself
    Shape(p, Rounded(2, 3, 22, 17, 1.5), QColor(70, 78, 90), 1.0);
    p.fillRect(QRectF(4, 5, 16, 10), QColor(45, 125, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(Polygon({{10, 6.8}, {15.5, 10}, {10, 13.2}}));
    Shape(p, Polygon({{10.5, 17}, {13.5, 17}, {14.5, 20}, {9.5, 20}}), QColor(120, 128, 140), 1.0);
    Shape(p, Rounded(6.5, 20, 17.5, 22, 0.8), QColor(120, 128, 140), 1.0);
}

void Mouse(QPainter& p) {
    QPainterPath cable(QPointF(12, 5));
    cable.cubicTo(12, 1.5, 16, 3, 18, 1);
    Stroke(p, cable, kDark, 1.2);
    Shape(p, Rounded(6.5, 5, 17.5, 22.5, 5.2), QColor(230, 230, 235), 1.3);
    QPainterPath button;
    button.addRoundedRect(QRectF(6.5, 5, 5.5, 6.5), 4, 4);
    button.addRect(QRectF(9, 8, 3, 3.5));
    button.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 120, 220));
    p.drawPath(button.simplified());
    Stroke(p, Line({12, 5.2}, {12, 11.5}), kDark, 1.0);
    Stroke(p, Line({7, 11.5}, {17, 11.5}), kDark, 1.0);
}

void Keyboard(QPainter& p) {
    Shape(p, Rounded(1.5, 6, 22.5, 18.5, 1.8), QColor(225, 225, 230), 1.2);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 6; ++col)
            p.fillRect(QRectF(3.6 + 2.9 * col + 0.6 * row, 8 + 3.2 * row, 2.1, 2.1), kDark);
    p.fillRect(QRectF(6.5, 14.6, 11, 2), kDark);
}

void Colourdisplay(QPainter& p) {  // four colour boxes
    const QColor fills[4] = {QColor(225, 50, 50), QColor(245, 210, 40), QColor(50, 170, 70),
                             QColor(50, 100, 215)};
    for (int i = 0; i < 4; ++i) {
        const qreal x = 2.5 + 10 * (i % 2), y = 2.5 + 10 * (i / 2);
        Shape(p, Rounded(x, y, x + 9, y + 9, 1.5), fills[i]);
    }
}

void Numberdisplay(QPainter& p) {  // the digits 1 and 2 on a card, drawn as strokes
    Shape(p, Rounded(1.5, 2.5, 22.5, 21.5, 2), QColor(252, 252, 252), 1.2);
    const QColor ink(30, 60, 160);
    QPainterPath one(QPointF(5.8, 8));
    one.lineTo(8.8, 5.5);
    one.lineTo(8.8, 18.5);
    Stroke(p, one, ink, 2.2);
    QPainterPath two(QPointF(12.6, 8.6));
    two.cubicTo(12.6, 4.6, 19.6, 4.6, 19.6, 8.6);
    two.cubicTo(19.6, 12, 12.6, 15, 12.4, 18.5);
    two.lineTo(20, 18.5);
    Stroke(p, two, ink, 2.2);
}

void Quit(QPainter& p) {  // the power sign
    const QColor red(200, 45, 45);
    QPainterPath ring;
    const QRectF circle(4.5, 5, 15, 15);
    ring.arcMoveTo(circle, 120);  // open at the top
    ring.arcTo(circle, 120, 300);
    Stroke(p, ring, red, 2.6);
    Stroke(p, Line({12, 3}, {12, 11.5}), red, 2.6);
}

void Draw(QPainter& p, int index) {
    using Drawing = void (*)(QPainter&);
    static constexpr Drawing kDrawings[kPictures] = {Settings,      Newgame,       Load, Save,  Endgame,
                                                     Music,         Animation,     Demo, Mouse, Keyboard,
                                                     Colourdisplay, Numberdisplay, Quit};
    kDrawings[index - 1](p);
}

}  // namespace

QImage Toolbarimage(int index, int side) {
    if (index < 1 || index > kPictures) return {};
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / kGrid, side / kGrid);
    Draw(p, index);
    return image;
}

QIcon Toolbarpicture(int index) {
    if (index < 1 || index > kPictures) return {};
    // Drawn afresh for each size a toolbar may ask for, at device pixel ratios
    // 1 to 4, rather than scaled from one size: thin lines stay sharp.
    QIcon icon;
    for (int side : {16, 20, 24, 32, 36, 48, 64, 72, 96})
        icon.addPixmap(QPixmap::fromImage(Toolbarimage(index, side)));
    return icon;
}

}  // namespace tallimor
