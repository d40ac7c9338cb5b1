#include "ui/piece_cell.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace tallimor {

QMimeData* Encodesource(const DragSource& source) {
    auto* mime = new QMimeData;
    const QString text =
        QString(source.kind == DragSource::Colour ? "colour:%1" : "position:%1").arg(source.index);
    mime->setData(kPieceMime, text.toUtf8());
    return mime;
}

std::optional<DragSource> Decodesource(const QMimeData* mime) {
    if (!mime || !mime->hasFormat(kPieceMime)) return std::nullopt;
    const QStringList parts = QString::fromUtf8(mime->data(kPieceMime)).split(':');
    if (parts.size() != 2) return std::nullopt;
    bool ok = false;
    const int index = parts[1].toInt(&ok);
    if (!ok || index < 0 || index > 9) return std::nullopt;
    if (parts[0] == "colour") return DragSource{DragSource::Colour, index};
    if (parts[0] == "position") return DragSource{DragSource::Position, index};
    return std::nullopt;
}

namespace {

using DropHandler = std::function<void(DragSource)>;

// A drag of one of our pieces over a place that takes drops.
void Offer(QDragMoveEvent* event, const DropHandler& handler) {
    if (handler && Decodesource(event->mimeData())) event->acceptProposedAction();
}

void Deliver(QDropEvent* event, const DropHandler& handler) {
    const auto source = Decodesource(event->mimeData());
    if (!source || !handler) return;
    event->acceptProposedAction();
    handler(*source);
}

}  // namespace

PieceCell::PieceCell(DragSource source, const QString& boxName, const QString& labelName, QWidget* parent)
    : QWidget(parent), source_(source), box_(new QFrame(this)), label_(new QLabel(this)) {
    box_->setObjectName(boxName);
    label_->setObjectName(labelName);
    box_->setAutoFillBackground(true);
    box_->setFrameShape(QFrame::Box);
    box_->setLineWidth(2);
    box_->setFrameShadow(QFrame::Plain);
    label_->setAlignment(Qt::AlignCenter);
    setAcceptDrops(true);
    setFixedSize(28, 44);
    box_->setGeometry(2, 2, 24, 24);
    label_->setGeometry(0, 27, 28, 16);
}

void PieceCell::Setcolour(const QColor& colour) {
    colour_ = colour;
    QPalette pal = box_->palette();
    pal.setColor(QPalette::Window, colour);
    box_->setPalette(pal);
}

void PieceCell::Setblank() {
    colour_ = QColor(110, 110, 110);
    QPalette pal = box_->palette();
    pal.setBrush(QPalette::Window, QBrush(colour_, Qt::BDiagPattern));
    box_->setPalette(pal);
}

void PieceCell::Setborder(bool border) {
    border_ = border;
    box_->setFrameShape(border ? QFrame::Box : QFrame::NoFrame);
}

void PieceCell::Setcaption(const QString& caption) { label_->setText(caption); }

void PieceCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    pressed_ = true;
    pressAt_ = event->position().toPoint();
    if (Pressed) Pressed();
}

void PieceCell::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ || !(event->buttons() & Qt::LeftButton)) return;
    if ((event->position().toPoint() - pressAt_).manhattanLength() < QApplication::startDragDistance())
        return;
    pressed_ = false;
    if (!Candrag || !Candrag()) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(Encodesource(source_));
    QPixmap picture(24, 24);
    picture.fill(colour_);
    QPainter(&picture).drawRect(0, 0, 23, 23);
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(12, 12));
    if (source_.kind == DragSource::Position) drag->setDragCursor(Dragcursor.pixmap(), Qt::MoveAction);
    drag->exec(Qt::MoveAction);
}

void PieceCell::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    if (event->button() == Qt::LeftButton && Doubleclicked) Doubleclicked();
}

void PieceCell::dragEnterEvent(QDragEnterEvent* event) { Offer(event, Dropped); }

void PieceCell::dragMoveEvent(QDragMoveEvent* event) { Offer(event, Dropped); }

void PieceCell::dropEvent(QDropEvent* event) { Deliver(event, Dropped); }

DropPanel::DropPanel(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setAcceptDrops(true);
}

void DropPanel::dragEnterEvent(QDragEnterEvent* event) { Offer(event, Dropped); }

void DropPanel::dragMoveEvent(QDragMoveEvent* event) { Offer(event, Dropped); }

void DropPanel::dropEvent(QDropEvent* event) { Deliver(event, Dropped); }

}  // namespace tallimor
