#pragma once
// The pieces the player moves with the mouse: a colour of the Colour Panel or
// a position of the guess row, each a box with its label under it.  A drag
// carries its source as a small text of our own type; the drop calls a plain
// handler of (source, target), which a test can call directly.

#include <QCursor>
#include <QGroupBox>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <optional>

#include "game/main_view.h"

class QFrame;
class QLabel;
class QMimeData;

namespace tallimor {

// "colour:3" or "position:5" under the type below; nullopt for anything else.
inline constexpr const char* kPieceMime = "application/x-tallimor-piece";
QMimeData* Encodesource(const DragSource& source);
std::optional<DragSource> Decodesource(const QMimeData* mime);

class PieceCell : public QWidget {
    Q_OBJECT
   public:
    // `boxName`/`labelName`: Piccolour/Lblcolour or Picstring/Lblstring plus the index.
    PieceCell(DragSource source, const QString& boxName, const QString& labelName, QWidget* parent);

    void Setcolour(const QColor& colour);
    // An empty position that would be submitted as a blank: hatched.
    void Setblank();
    void Setborder(bool border);
    void Setcaption(const QString& caption);
    bool Hasborder() const { return border_; }
    QColor Colour() const { return colour_; }
    QFrame* Box() const { return box_; }

    std::function<bool()> Candrag;               // may a drag start from here now?
    QCursor Dragcursor{Qt::PointingHandCursor};  // what a dragged position shows
    std::function<void()> Pressed;               // the left button went down here
    std::function<void()> Doubleclicked;
    std::function<void(DragSource)> Dropped;  // something was dropped here

   protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

   private:
    DragSource source_;
    QFrame* box_;
    QLabel* label_;
    QColor colour_;
    bool border_ = true;
    QPoint pressAt_;
    bool pressed_ = false;
};

// A frame that takes drops anywhere on it (the Colour Panel takes positions back).
class DropPanel : public QGroupBox {
    Q_OBJECT
   public:
    DropPanel(const QString& title, QWidget* parent);
    std::function<void(DragSource)> Dropped;

   protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace tallimor
