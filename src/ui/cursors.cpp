#include "ui/cursors.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QtEndian>
#include <optional>

namespace tallimor {

namespace {

// A cursor file starts with a 6-byte header (0, type 2, entry count) and its
// 16-byte entries; an entry keeps the hot spot where an icon keeps its planes
// and bit depth.  Qt's image reader gives the picture but not the hot spot.
constexpr qsizetype kHeader = 6;
constexpr qsizetype kEntry = 16;
constexpr qint64 kLargest = 1 << 20;  // far more than any cursor picture needs

std::optional<QPoint> Hotspot(const QByteArray& bytes) {
    if (bytes.size() < kHeader + kEntry) return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    if (qFromLittleEndian<quint16>(p) != 0 || qFromLittleEndian<quint16>(p + 2) != 2 ||
        qFromLittleEndian<quint16>(p + 4) == 0)
        return std::nullopt;
    return QPoint(qFromLittleEndian<quint16>(p + kHeader + 4), qFromLittleEndian<quint16>(p + kHeader + 6));
}

}  // namespace

QCursor Programcursor(const QString& programFolder, Cursorkind kind) {
    const bool wait = kind == Cursorkind::Wait;
    const QCursor system(wait ? Qt::WaitCursor : Qt::PointingHandCursor);
    QFile file(programFolder + (wait ? "Icon/Wait04.cur" : "Icon/H_point.cur"));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargest) return system;
    const QByteArray bytes = file.readAll();
    const std::optional<QPoint> hot = Hotspot(bytes);
    if (!hot) return system;
    const QImage picture = QImage::fromData(bytes, "cur");
    if (picture.isNull() || !picture.rect().contains(*hot)) return system;
    return QCursor(QPixmap::fromImage(picture), hot->x(), hot->y());
}

}  // namespace tallimor
