#pragma once
// Small makers and setters shared by the main window's panels: every control
// gets its name, its place and, for buttons, no Enter of its own (Enter is
// the module's to decide).

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QSignalBlocker>
#include <QString>
#include <string>

#include "game/main_view.h"

namespace tallimor::panel {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kRight = 408;  // left edge of the right-hand column
constexpr int kRightWidth = 376;
// The idle picture, and the record under its column heads, stand from kTop
// to kBottom; the right-hand column ends at kBottom too.  Tight, so that the
// whole window fits an 800 x 600 screen under a title bar.
constexpr int kTop = 4;
constexpr int kBottom = 472;
// Where the guess input, and the panels that stand in for it, sit.
inline const QRect kInputarea(kRight, 292, kRightWidth, 136);

inline QLabel* Makelabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

inline QPushButton* Makebutton(QWidget* parent, const char* name, const QString& caption,
                               const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

inline QGroupBox* Makeframe(QWidget* parent, const char* name, const QString& caption,
                            const QRect& geometry) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    return frame;
}

inline void Settext(QLabel* label, const std::string& text) {
    const QString q = Q(text);
    if (label->text() != q) label->setText(q);
}

inline void Settext(QLineEdit* box, const std::string& text) {
    const QString q = Q(text);
    if (box->text() != q) {
        const QSignalBlocker quiet(box);
        box->setText(q);
    }
}

// Makes the list hold the items and show the item the module names, touching
// it only where it differs, so an open list is not rebuilt under the player.
inline void Setlist(QComboBox* box, const Listview& list) {
    bool same = box->count() == static_cast<int>(list.items.size());
    for (int i = 0; same && i < box->count(); ++i) same = box->itemText(i) == Q(list.items[size_t(i)]);
    if (!same) {
        box->clear();
        for (const std::string& item : list.items) box->addItem(Q(item));
    }
    if (box->currentIndex() != list.shown) box->setCurrentIndex(list.shown);
}

}  // namespace tallimor::panel
