#pragma once
// The animation: a small bird that flies across the record while the player
// is in a game, and the sky that scrolls behind the idle picture.  Every tick
// moves pictures only: the bird is erased by copying its rectangle back from
// the record's reserve copy and drawn through its mask (AND, then OR), and
// the sky is shown in two copies shifted by one pixel more.  The record
// itself is drawn again only when a trial is added or the display changes.

#include <QImage>
#include <QObject>
#include <QRect>

#include "game/main_view.h"

class QPainter;
class QTimer;

namespace tallimor {

class IdlePicture;
class RecordBoard;

// Picback: a sky with clouds, as wide as the cloud area and seamless from its
// right edge round to its left.
QImage Skypicture(QSize size);
// Shows `sky` shifted left by `offset` pixels, in two copies so that it wraps round.
void Background(QPainter& p, const QImage& sky, int offset);

// Picbird: the bird's four frames side by side, each on black, and their
// masks, black where the bird is and white around it.  Drawn at `ratio`
// pixels of the device to each pixel of the window; width and height are the
// window's pixels of one frame.
struct Birdpictures {
    QImage frames, masks;
    int width = 0, height = 0;
};
const Birdpictures& Birdpicture(qreal ratio = 1);

class Animation : public QObject {
    Q_OBJECT
   public:
    static constexpr int kTick = 50;  // ms
    static constexpr int kStep = 5;   // pixels a tick

    Animation(IdlePicture* picfore, RecordBoard* picrecord, QObject* parent = nullptr);

    // Follows the module's description: the switch, whether the bird may
    // fly, its row, and the counts that place it anew or start its lap of honour.
    void Render(const Animationview& v, bool all, const Animationview& was);
    // One tick: the bird moves on when it flies, and the sky scrolls.
    void Tmrani_Timer();

    QTimer* Tmrani() const { return tmrani_; }
    // Where the bird stands on the record, and whether it is drawn there.
    QRect Figure() const { return {x_, y_, Birdpicture().width, Birdpicture().height}; }
    bool Figureshown() const { return shown_; }

   private:
    bool Flying() const { return fly_ || lap_; }
    int Figurerow() const;
    void Erase();
    void Drawfigure();

    IdlePicture* picfore_;
    RecordBoard* picrecord_;
    QTimer* tmrani_;
    bool fly_ = false, lap_ = false;
    int trial_ = 0, lapTrial_ = 0;
    int x_ = 0, y_ = 0, frame_ = 0;
    int skyOffset_ = 0;
    bool shown_ = false;  // the bird is on the record's picture at x_, y_
};

}  // namespace tallimor
