#include "game/message_table.h"

#include <gtest/gtest.h>

#include "game/wait_states.h"

namespace tallimor {
namespace {

using A = MessageAction;
using B = Msgbutton;

TEST(Messagetable, ButtonsOfEachKindOfBox) {
    // Closing boxes offer Save File, Change Display and End; the time-out of
    // their wait presses "End".
    for (const char* id : {"Win", "Gameover1", "Franswer", "Error Detected", "Wrong Detection"}) {
        const MessageInfo* m = Findmessage(id);
        ASSERT_NE(m, nullptr) << id;
        EXPECT_EQ(std::tuple(m->buttons, m->captions[1], m->captions[2], m->captions[3], m->defaultButton,
                             m->timeout, Buttonaction(B::Cmdl3, id), Buttonaction(B::Cmdmid, id),
                             Findplainstate(m->wait)->action),
                  std::tuple(3, "Save File", "Change Display", "End", B::Cmdr3, 900, A::Savefile,
                             A::Toggledisplay, WaitAction::PressCmdr3))
            << id;
    }
    // Single-button messages: an OK in the middle, pressed by the time-out.
    for (const char* id : {"Same", "Warning", "Gameover0"}) {
        const MessageInfo* m = Findmessage(id);
        ASSERT_NE(m, nullptr) << id;
        EXPECT_EQ(std::tuple(m->buttons, m->captions[2], m->icon, Findplainstate(m->wait)->action),
                  std::tuple(1, "OK", '!', WaitAction::PressCmdmid))
            << id;
    }
    // Confirmations are pushed questions.
    const MessageInfo* end = Findmessage("Mnuend");
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(std::tuple(end->title, end->icon, end->wait, end->captions[0], end->captions[4]),
              std::tuple("End Game?", '?', "Mnuend+", "OK", "Cancel"));
    EXPECT_EQ(std::tuple(Findmessage("Mnuquit")->title, Findmessage("Same")->title,
                         Findmessage("Gameover0")->title),
              std::tuple("Quit Programme?", "Inappropriate Input", "Gameover"));
    EXPECT_EQ(
        std::tuple(Findmessage("Franswer")->title, Findmessage("Franswer")->icon, Findmessage("Win")->icon),
        std::tuple("Show Answer", 'i', '!'));
    EXPECT_EQ(Findmessage("Unknown"), nullptr);
}

TEST(Messagetable, WhatEachButtonDoes) {
    EXPECT_EQ(Buttonaction(B::Cmdr3, "Win"), A::Winend);
    EXPECT_EQ(Buttonaction(B::Cmdr3, "Gameover1"), A::End);
    EXPECT_EQ(Buttonaction(B::Cmdl2, "Mnuend"), A::Endgameok);
    EXPECT_EQ(Buttonaction(B::Cmdr2, "Mnuend"), A::Endgamecancel);
    EXPECT_EQ(Buttonaction(B::Cmdl2, "Mnuquit"), A::Quitok);
    EXPECT_EQ(Buttonaction(B::Cmdr2, "Mnuquit"), A::Quitcancel);
    EXPECT_EQ(Buttonaction(B::Cmdmid, "Same"), A::Close);
    EXPECT_EQ(Buttonaction(B::Cmdmid, "Warning"), A::Close);
    EXPECT_EQ(Buttonaction(B::Cmdmid, "Gameover0"), A::Gameover0ok);
    // A button not listed for a message does nothing.
    EXPECT_EQ(Buttonaction(B::Cmdr3, "Mnuend"), A::None);
    EXPECT_EQ(Buttonaction(B::Cmdl2, "Win"), A::None);
    EXPECT_EQ(Buttonaction(B::Cmdl3, "Mnuend"), A::None);
    EXPECT_EQ(Buttonaction(B::Cmdmid, "Unknown"), A::None);
}

TEST(Messagetable, EveryMessageWaitIsAKnownStateAndEveryIconHasAFile) {
    for (const char* id : {"Mnuend", "Mnuquit", "Nofile", "Notready", "Notexist", "Overwrite", "Delete",
                           "Notgame", "Notenter", "Win", "Error Detected", "Continue Playing", "Gameover0",
                           "Gameover1", "Same", "Wrong Detection", "Warning", "Franswer", "Recordsfile"}) {
        const MessageInfo* m = Findmessage(id);
        ASSERT_NE(m, nullptr) << id;
        std::string wait(m->wait);
        const bool pushed = wait.back() == '+';
        if (pushed) wait.pop_back();
        const WaitStateInfo* state = pushed ? Findpushedstate(wait) : Findplainstate(wait);
        ASSERT_NE(state, nullptr) << id;
        EXPECT_EQ(state->timeout, m->timeout) << id;
        EXPECT_FALSE(Iconfile(m->icon).empty()) << id;
    }
    EXPECT_EQ(Iconfile('X'), "Icon/W95mbx01.ico");
    EXPECT_EQ(Iconfile('i'), "Icon/W95mbx04.ico");
    EXPECT_EQ(Iconfile('Q'), "");
}

}  // namespace
}  // namespace tallimor
