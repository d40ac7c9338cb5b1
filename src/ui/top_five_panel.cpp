// The Top Five: the name entry after a qualifying win, the list of a setting
// with the computer's statistics and a cup beside it, and the designer's
// editor of its places.

#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include "ui/fmmain.h"
#include "ui/panel_widgets.h"

namespace tallimor {

using namespace panel;

namespace {

// A gold cup on a small plinth.
class Cup : public QWidget {
   public:
    using QWidget::QWidget;

   protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double w = width(), h = height();
        QLinearGradient gold(0, 0, w, 0);
        gold.setColorAt(0, QColor(176, 128, 20));
        gold.setColorAt(0.45, QColor(255, 222, 90));
        gold.setColorAt(1, QColor(150, 105, 15));
        p.setPen(QPen(QColor(110, 75, 10), 1.5));
        p.setBrush(gold);
        QPainterPath bowl;
        bowl.moveTo(w * 0.2, h * 0.08);
        bowl.lineTo(w * 0.8, h * 0.08);
        bowl.cubicTo(w * 0.8, h * 0.5, w * 0.62, h * 0.6, w * 0.54, h * 0.62);
        bowl.lineTo(w * 0.46, h * 0.62);
        bowl.cubicTo(w * 0.38, h * 0.6, w * 0.2, h * 0.5, w * 0.2, h * 0.08);
        p.drawPath(bowl);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(190, 140, 25), w * 0.06));
        p.drawArc(QRectF(w * 0.04, h * 0.14, w * 0.26, h * 0.26), 90 * 16, 180 * 16);
        p.drawArc(QRectF(w * 0.7, h * 0.14, w * 0.26, h * 0.26), 270 * 16, 180 * 16);
        p.setPen(QPen(QColor(110, 75, 10), 1.5));
        p.setBrush(gold);
        p.drawRect(QRectF(w * 0.45, h * 0.62, w * 0.1, h * 0.16));
        p.drawRect(QRectF(w * 0.3, h * 0.78, w * 0.4, h * 0.08));
        p.setBrush(QColor(107, 79, 42));
        p.drawRect(QRectF(w * 0.24, h * 0.86, w * 0.52, h * 0.1));
    }
};

// The list panel; a right click on it offers the Game menu.
class Winnerspanel : public QGroupBox {
   public:
    Winnerspanel(QWidget* parent, QMenu* gamemenu) : QGroupBox(parent), gamemenu_(gamemenu) {}

   protected:
    void contextMenuEvent(QContextMenuEvent* event) override { gamemenu_->popup(event->globalPos()); }

   private:
    QMenu* gamemenu_;
};

QLabel* Column(QWidget* parent, const char* name, const QRect& geometry) {
    QLabel* label = Makelabel(parent, name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setStyleSheet("QLabel { color: #1d3c78; }");
    return label;
}

}  // namespace

void Fmmain::Buildtopfive(QWidget* central) {
    cmdtop_ = Makebutton(frmenu_, "Cmdtop", "TOP FIVE List", QRect(137, 352, 110, 32));
    connect(cmdtop_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdtop_Click(); }); });

    auto* winners = new Winnerspanel(central, mnugame_);
    picwinners_ = winners;
    picwinners_->setObjectName("Picwinners");
    picwinners_->setGeometry(8, kTop, 776, kBottom - kTop);
    picwinners_->setStyleSheet(
        "QGroupBox#Picwinners { background: #f6eed9; border: 2px solid #6b4f2a; border-radius: 6px; }");
    auto* title = Makelabel(picwinners_, "Lblwinners", QRect(0, 12, 776, 40), "TOP   FIVE");
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet("QLabel { font-size: 22pt; font-weight: bold; color: #a8322d; }");
    auto* cup = new Cup(picwinners_);
    cup->setObjectName("Piccup");
    cup->setGeometry(660, 150, 90, 120);
    lblhead_ = Makelabel(picwinners_, "Lblhead", QRect(16, 60, 744, 22));
    lblhead_->setAlignment(Qt::AlignCenter);
    const QString head = "QLabel { font-weight: bold; color: #6b4f2a; }";
    for (const auto& [name, caption, left] :
         {std::tuple("Lblplayer", "Players' Name", 60), std::tuple("Lbltimespent", "Time spent", 300),
          std::tuple("Lblnotrials", "No. of Attempts", 520)})
        Makelabel(picwinners_, name, QRect(left, 100, 200, 22), caption)->setStyleSheet(head);
    // Behind the columns, so the place just entered stands out on a light band.
    lblnewentry_ = Makelabel(picwinners_, "Lblnewentry", QRect(36, 128, 600, 22));
    lblnewentry_->setStyleSheet(
        "QLabel { background: #ffe58a; border: 1px solid #d9a520; border-radius: 4px; }");
    lblname_ = Column(picwinners_, "Lblname", QRect(44, 130, 250, 184));
    lbllisttime_ = Column(picwinners_, "Lbllisttime", QRect(300, 130, 210, 184));
    lblattempt_ = Column(picwinners_, "Lblattempt", QRect(560, 130, 80, 184));
    Makelabel(picwinners_, "Lblstat", QRect(60, 320, 300, 22), "Computer Statistics")->setStyleSheet(head);
    lbldata_ = Column(picwinners_, "Lbldata", QRect(60, 344, 460, 40));
    cmdcontinue_ = Makebutton(picwinners_, "Cmdcontinue", "Continue", QRect(640, 416, 110, 32));
    connect(cmdcontinue_, &QPushButton::clicked, this,
            [this] { Forward([&] { mod_.Cmdcontinue_Click(); }); });

    // The designer's editor: a place, its name, time and attempts, and the statistics.
    fredit_ = Makeframe(picwinners_, "Fredit", "Edit", QRect(16, 388, 612, 70));
    cbedit_ = new QComboBox(fredit_);
    cbedit_->setObjectName("Cbedit");
    cbedit_->setGeometry(8, 32, 48, 26);
    connect(cbedit_, &QComboBox::activated, this, [this](int index) {
        if (rendering_ || index < 0) return;
        Forward([&] { mod_.Cbedit_Click(cbedit_->itemText(index).toStdString()); });
    });
    const std::array<std::tuple<const char*, const char*, int, int, Editfield>, 5> boxes{{
        {"Txtplayer", "Name", 62, 140, Editfield::Player},
        {"Txtduration", "Seconds", 208, 70, Editfield::Duration},
        {"Txtattempt", "Attempts", 284, 70, Editfield::Attempt},
        {"Txtpopulation", "Population", 360, 80, Editfield::Population},
        {"Txtaverage", "Average", 446, 90, Editfield::Average},
    }};
    for (size_t i = 0; i < boxes.size(); ++i) {
        const auto& [name, hint, left, width, field] = boxes[i];
        auto* box = new QLineEdit(fredit_);
        box->setObjectName(name);
        box->setGeometry(left, 32, width, 26);
        box->setPlaceholderText(hint);
        box->setToolTip(hint);
        connect(box, &QLineEdit::textEdited, this, [this, f = field](const QString& text) {
            Forward([&] { mod_.Txtedit_Change(f, text.toStdString()); });
        });
        editboxes_[i] = box;
    }
    cmdgo_ = Makebutton(fredit_, "Cmdgo", "Go", QRect(544, 30, 60, 30));
    connect(cmdgo_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdgo_Click(); }); });

    frgetname_ = Makeframe(central, "Frgetname", "", QRect(196, 150, 400, 180));
    frgetname_->setStyleSheet(
        "QGroupBox#Frgetname { background: #f6eed9; border: 2px solid #6b4f2a; border-radius: 6px; }");
    auto* ask = Makelabel(frgetname_, "Lblgetname", QRect(14, 12, 372, 44),
                          "Congratulation! You have entered the TOP FIVE list, please input your name.");
    ask->setWordWrap(true);
    auto* limit = Makelabel(frgetname_, "Lblcharacter", QRect(14, 58, 372, 40),
                            "(Do not enter more than 15 characters. You have 1 minute's  time to do this.)");
    limit->setWordWrap(true);
    txtname_ = new QLineEdit(frgetname_);
    txtname_->setObjectName("Txtname");
    txtname_->setGeometry(14, 110, 240, 28);
    txtname_->setMaxLength(15);
    connect(txtname_, &QLineEdit::textEdited, this,
            [this](const QString& text) { Forward([&] { mod_.Txtname_Change(text.toStdString()); }); });
    cmdokname_ = Makebutton(frgetname_, "Cmdokname", "OK", QRect(280, 108, 100, 32));
    connect(cmdokname_, &QPushButton::clicked, this, [this] { Forward([&] { mod_.Cmdokname_Click(); }); });
}

void Fmmain::Rendertopfive(const Mainview& v, bool all, const Mainview& was) {
    if (all || v.topEnabled != was.topEnabled) cmdtop_->setEnabled(v.topEnabled);
    Settext(txtname_, v.nametext);
    const Winnersview& w = v.winners;
    if (!all && w == was.winners) return;
    Settext(lblhead_, w.head);
    Settext(lblname_, w.names);
    Settext(lbllisttime_, w.times);
    Settext(lblattempt_, w.attempts);
    Settext(lbldata_, w.data);
    lblnewentry_->setVisible(w.newplace >= 0 && w.newplace <= 4);
    if (w.newplace >= 0) {
        // Each place is a line of the columns and a blank line after it.
        const int line = lblname_->fontMetrics().lineSpacing();
        lblnewentry_->setGeometry(36, lblname_->y() + 2 * w.newplace * line - 2, 600, line + 4);
    }
    Setlist(cbedit_, w.place);
    const std::array<const std::string*, 5> texts{&w.player, &w.duration, &w.attempt, &w.population,
                                                  &w.average};
    for (size_t i = 0; i < texts.size(); ++i) Settext(editboxes_[i], *texts[i]);
}

}  // namespace tallimor
