#pragma once
// The board's pictures: the record of the trials, the answer, the hint boxes
// of the result panel and the idle picture.  Each paints from what it was
// last given, so a change of display mode only needs a repaint.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "game/main_view.h"
#include "rules/game_record.h"

namespace tallimor {

// The ten colours of the Colour Panel, by colour number.  Every other part of
// the board takes its colours from here.
QColor Panelcolour(int colour);
// The main window's background, which an empty position shows.
QColor Backgroundcolour();
// A blank position of a code: a hatched, outlined box, whatever the colours.
void Drawblank(QPainter& p, const QRect& box);

// Picrecord: one row per trial drawn, the trial number, the guess and the hint.
class RecordBoard : public QWidget {
    Q_OBJECT
   public:
    explicit RecordBoard(QWidget* parent = nullptr);

    void Setgame(int codelength, bool fixedOrder);
    void Setmode(Displaymode mode);
    void Setheading(const QString& heading);  // "RECORD", or "DEMO"
    // The rows to draw, by trial.
    void Setrows(const std::map<int, TrialRecord>& rows);
    // The trials whose hint has been corrected: their hints are outlined.
    void Setcorrected(const std::set<int>& trials);
    const std::set<int>& Corrected() const { return corrected_; }

    const std::map<int, TrialRecord>& Rows() const { return rows_; }
    QString Heading() const { return heading_; }
    Displaymode Mode() const { return mode_; }
    // Where the first guess box of a trial's row is drawn (for checks of the picture).
    QPoint Guessbox(int trial, int position) const;

    // Picreserve: the record without the flying figure, drawn anew only when
    // the record has changed.  Picture(): what the panel shows, the reserve
    // with the figure over it.  Redrawn runs when a fresh copy of the reserve
    // has replaced the picture, so the figure can go back on.
    const QImage& Reserve();
    QImage& Picture();
    std::function<void()> Redrawn;
    // A mouse button pressed on the record: 1 the left one, 2 the right one.
    std::function<void(int button)> Pressed;

   protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

   private:
    void Drawrecord(QPainter& p);
    void Makereserve();
    QImage reserve_, picture_;
    bool stale_ = true;
    std::map<int, TrialRecord> rows_;
    std::set<int> corrected_;
    int codelength_ = 4;
    bool fixedOrder_ = true;
    Displaymode mode_ = Displaymode::Colour;
    QString heading_ = "RECORD";
};

// Picanswer: a code drawn position by position, as boxes or as digits.
class CodeView : public QWidget {
    Q_OBJECT
   public:
    explicit CodeView(QWidget* parent = nullptr);
    void Setcode(const std::string& code);
    void Setmode(Displaymode mode);
    const std::string& Code() const { return code_; }
    Displaymode Mode() const { return mode_; }

   protected:
    void paintEvent(QPaintEvent*) override;

   private:
    std::string code_;
    Displaymode mode_ = Displaymode::Colour;
};

// Piccorrect and Picwrong: a row of filled squares.
class HintBoxes : public QWidget {
    Q_OBJECT
   public:
    HintBoxes(QColor fill, QWidget* parent = nullptr);
    void Setcount(int count);
    void Setfill(QColor fill);
    int Count() const { return count_; }

   protected:
    void paintEvent(QPaintEvent*) override;

   private:
    QColor fill_;
    int count_ = 0;
};

// The idle picture's row of the ten colours, its top left corner at `at`;
// Idlecoloursize() is the size of the row, the circles' outline inside it.
QSize Idlecoloursize();
void Idlecolours(QPainter& p, QPoint at);

// Picfore: the idle picture between games, sky and title.
class IdlePicture : public QWidget {
    Q_OBJECT
   public:
    explicit IdlePicture(QWidget* parent = nullptr);
    // The sky is shown shifted left by `offset` pixels and wraps round (the animation scrolls it).
    void Setskyoffset(int offset);
    int Skyoffset() const { return skyOffset_; }
    std::function<void(int button)> Pressed;  // 1 the left button, 2 the right one

   protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

   private:
    QImage sky_;  // Picback, made for the picture's size
    int skyOffset_ = 0;
};

}  // namespace tallimor
