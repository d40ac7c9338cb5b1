#include "ui/logo.h"

#include <QPainter>
#include <array>

#include "ui/board.h"

namespace tallimor {

QPixmap Logopicture(int side) {
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = side;
    p.setPen(QPen(QColor(70, 50, 25), s * 0.03));
    p.setBrush(QColor(150, 110, 60));
    p.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.12, s * 0.12);
    // Four colour boxes, and under them two black and one white hint box.
    const double box = s * 0.17, pitch = s * 0.21, left = (s - 3 * pitch - box) / 2;
    p.setPen(QPen(QColor(40, 40, 40), s * 0.015));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(Panelcolour(std::array{0, 5, 3, 2}[static_cast<size_t>(i)]));
        p.drawRoundedRect(QRectF(left + i * pitch, s * 0.22, box, box), s * 0.03, s * 0.03);
    }
    const double hint = s * 0.11;
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i < 2 ? QColor(Qt::black) : QColor(Qt::white));
        p.drawRect(QRectF(left + i * pitch + (box - hint) / 2, s * 0.6, hint, hint));
    }
    return picture;
}

}  // namespace tallimor
