#include "game/message_table.h"

#include <gtest/gtest.h>

#include "game/wait_states.h"

namespace tallimor {
namespace {

using A = MessageAction;
using B = Msgbutton;
using M = Message;

// The wait a message enters, as the stack's text holds it.
std::string Waittext(const MessageInfo& m) {
    const WaitStateInfo& w = Waitinfo(m.wait);
    return std::string(w.name) + (w.pushed ? "+" : "");
}

TEST(Messagetable, ButtonsOfEachKindOfBox) {
    // Closing boxes offer Save File, Change Display and End; the time-out of
    // their wait presses "End".
    for (M id : {M::Win, M::Gameover1, M::Franswer, M::Errordetected, M::Wrongdetection}) {
        const MessageInfo* m = &Messageinfo(id);
        EXPECT_EQ(std::tuple(m->buttons, m->captions[1], m->captions[2], m->captions[3], m->defaultButton,
                             Waitinfo(m->wait).timeout, Buttonaction(B::Cmdl3, id),
                             Buttonaction(B::Cmdmid, id), Waitinfo(m->wait).action),
                  std::tuple(3, "Save File", "Change Display", "End", B::Cmdr3, 900, A::Savefile,
                             A::Toggledisplay, WaitAction::PressCmdr3))
            << m->name;
    }
    // Single-button messages: an OK in the middle, pressed by the time-out.
    for (M id : {M::Same, M::Warning, M::Gameover0}) {
        const MessageInfo* m = &Messageinfo(id);
        EXPECT_EQ(std::tuple(m->buttons, m->captions[2], m->icon, Waitinfo(m->wait).action),
                  std::tuple(1, "OK", '!', WaitAction::PressCmdmid))
            << m->name;
    }
    // Confirmations are pushed questions; the titles the flow tests read are left to them.
    const MessageInfo* end = &Messageinfo(M::Mnuend);
    EXPECT_EQ(std::tuple(end->title, end->icon, Waittext(*end), end->captions[0], end->captions[4]),
              std::tuple("End Game?", '?', "Mnuend+", "OK", "Cancel"));
    EXPECT_EQ(
        std::tuple(Messageinfo(M::Mnuquit).title, Messageinfo(M::Gameover0).title, Messageinfo(M::Win).icon),
        std::tuple("Quit Programme?", "Gameover", '!'));
}

// The flow tests press the confirmations and the OK buttons; here the two ends
// of a closing box, the Cancel of Quit (whose restore a flow cannot tell from
// End's) and the buttons a box lacks.
TEST(Messagetable, WhatEachButtonDoes) {
    const std::vector<std::tuple<B, M, A>> cases = {
        {B::Cmdr3, M::Win, A::Winend},         {B::Cmdr3, M::Gameover1, A::End},
        {B::Cmdr2, M::Mnuquit, A::Quitcancel}, {B::Cmdr3, M::Mnuend, A::None},
        {B::Cmdl2, M::Win, A::None},           {B::Cmdl3, M::Mnuend, A::None},
        {B::Cmdmid, M::Bug, A::None}};
    for (const auto& [button, id, action] : cases)
        EXPECT_EQ(Buttonaction(button, id), action) << Messageinfo(id).name;
}

// Each message waits in the state of its own name (the bug report in none)
// and has an icon with a file.
TEST(Messagetable, EveryMessageWaitsInItsOwnStateAndEveryIconHasAFile) {
    for (size_t i = 0; i < kMessages; ++i) {
        const MessageInfo& m = Messageinfo(static_cast<Message>(i));
        EXPECT_EQ(Waitinfo(m.wait).name, m.id == M::Bug ? "" : m.name) << m.name;
        EXPECT_FALSE(Iconfile(m.icon).empty()) << m.name;
    }
    EXPECT_EQ(Iconfile('X'), "Icon/W95mbx01.ico");
    EXPECT_EQ(Iconfile('i'), "Icon/W95mbx04.ico");
    EXPECT_EQ(Iconfile('Q'), "");
}

}  // namespace
}  // namespace tallimor
