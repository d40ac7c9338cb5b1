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
    // Confirmations are pushed questions; the titles the flow tests read are left to them.
    const MessageInfo* end = Findmessage("Mnuend");
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(std::tuple(end->title, end->icon, end->wait, end->captions[0], end->captions[4]),
              std::tuple("End Game?", '?', "Mnuend+", "OK", "Cancel"));
    EXPECT_EQ(
        std::tuple(Findmessage("Mnuquit")->title, Findmessage("Gameover0")->title, Findmessage("Win")->icon),
        std::tuple("Quit Programme?", "Gameover", '!'));
    EXPECT_EQ(Findmessage("Unknown"), nullptr);
}

// The flow tests press the confirmations and the OK buttons; here the two ends
// of a closing box, the Cancel of Quit (whose restore a flow cannot tell from
// End's) and the buttons a box lacks.
TEST(Messagetable, WhatEachButtonDoes) {
    const std::vector<std::tuple<B, const char*, A>> cases = {
        {B::Cmdr3, "Win", A::Winend},   {B::Cmdr3, "Gameover1", A::End}, {B::Cmdr2, "Mnuquit", A::Quitcancel},
        {B::Cmdr3, "Mnuend", A::None},  {B::Cmdl2, "Win", A::None},      {B::Cmdl3, "Mnuend", A::None},
        {B::Cmdmid, "Unknown", A::None}};
    for (const auto& [button, id, action] : cases) EXPECT_EQ(Buttonaction(button, id), action) << id;
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
