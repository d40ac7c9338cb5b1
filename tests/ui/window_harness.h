#pragma once
// Drives the real main window headless: a fresh window over a scratch
// program folder, a clock the test moves by hand, and the controls a player
// would use, found by their names.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ui/fmmain.h"
#include "ui/fmmessage.h"

namespace tallimor {

struct Harness {
    double now = 50000;
    double startedAt = 0;
    QTemporaryDir folder;
    std::unique_ptr<Fmmain> w;
    int quits = 0;

    Harness() {
        w = std::make_unique<Fmmain>(folder.path(), [this] { return now; });
        w->hooks.Endprogram = [this] { ++quits; };
        w->show();
    }

    template <class T = QWidget>
    T* Find(const QString& name) const {
        T* found = w->findChild<T*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    }
    bool Shown(const QString& name) const { return !Find(name)->isHidden(); }
    QString Text(const QString& label) const { return Find<QLabel>(label)->text(); }
    QString Status() const { return Find<QLabel>("Stbmenu")->text(); }
    QString Statustrimmed() const { return Status().trimmed(); }

    void Choose(const char* list, const QString& text) {
        QComboBox* box = Find<QComboBox>(list);
        const int index = box->findText(text);
        if (index < 0) qFatal("%s has no item %s", list, qPrintable(text));
        box->setCurrentIndex(index);
    }
    QString Shownitem(const char* list) const { return Find<QComboBox>(list)->currentText(); }
    QStringList Items(const char* list) const {
        QStringList items;
        QComboBox* box = Find<QComboBox>(list);
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        return items;
    }

    // Opens the Game Setting Menu, picks each given item and starts the game.
    void Start(std::initializer_list<std::pair<const char*, QString>> picks) {
        w->Mnuset_Click();
        for (const auto& [list, text] : picks) Choose(list, text);
        startedAt = now;
        Click("Cmdstart");
    }

    void Click(const QString& button) {
        QPushButton* b = Find<QPushButton>(button);
        if (!b->isEnabled()) qFatal("%s is disabled", qPrintable(button));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void Doubleclick(const QString& label) { QTest::mouseDClick(Find(label), Qt::LeftButton); }

    // Types a guess and submits it with Enter.
    void Type(const QString& code) {
        QLineEdit* box = Find<QLineEdit>("Txtinput");
        QTest::keyClicks(box, code);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Places a guess by dropping each colour on its position, then submits.
    void Drop(const std::string& code) {
        for (size_t p = 0; p < code.size(); ++p)
            w->Lblstring_DragDrop({DragSource::Colour, code[p] - '0'}, static_cast<int>(p));
        Click("Cmdsubcol");
    }

    Fmmessage* Box() const { return w->Message(); }
    QString Boxtext() const { return Box() ? Box()->Lblmessage()->text() : QString(); }
    QPushButton* Boxbutton(const char* name) const { return Box()->findChild<QPushButton*>(name); }
    QStringList Boxbuttons() const {
        QStringList shown;
        for (const char* name : {"Cmdl3", "Cmdl2", "Cmdmid", "Cmdr2", "Cmdr3"})
            if (!Boxbutton(name)->isHidden()) shown << Boxbutton(name)->text();
        return shown;
    }
    void Press(const char* name) {
        QPushButton* b = Boxbutton(name);
        if (b->isHidden()) qFatal("box button %s is hidden", name);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Moves the clock and ticks the wait timer as the event loop would.
    void Wait(double seconds) {
        now += seconds;
        w->Tmrwait_Timer();
    }
    // Sets the game clock to `spent` seconds since the start and ticks it.
    void Clockto(int spent) {
        now = startedAt + spent;
        w->Tmrrec_Timer();
    }

    std::string Answer() const { return w->State().Answer; }
};

}  // namespace tallimor
