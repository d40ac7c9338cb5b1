#include "game/message_table.h"

#include <gtest/gtest.h>

#include "game/wait_states.h"

// What the boxes show and their time-outs press, where no flow test reads it.

namespace tallimor {
namespace {

using A = MessageAction;
using B = Msgbutton;
using M = Message;

// The captions from the left, "" for a button the box lacks.
std::string Captions(const MessageInfo& m) {
    std::string s;
    for (std::string_view c : m.captions) s += std::string(c) + "|";
    return s;
}

TEST(Messagetable, TheButtonsOfEachKindOfBoxAndWhatTheirTimeOutPresses) {
    // Closing boxes offer Save File, Change Display and End; their time-out presses End.
    const std::vector<std::tuple<M, std::string, char, int, WaitAction>> boxes{
        {M::Win, "|Save File|Change Display|End||", '!', 900, WaitAction::PressCmdr3},
        {M::Errordetected, "|Save File|Change Display|End||", 'X', 900, WaitAction::PressCmdr3},
        {M::Franswer, "|Save File|Change Display|End||", 'i', 900, WaitAction::PressCmdr3},
        {M::Warning, "||OK|||", '!', 60, WaitAction::PressCmdmid},
        {M::Mnuend, "OK||||Cancel|", '?', 60, WaitAction::PressCmdr2},
        {M::Mnuquit, "OK||||Cancel|", '?', 60, WaitAction::PressCmdr2}};
    for (const auto& [id, captions, icon, seconds, timeout] : boxes) {
        const MessageInfo& m = Messageinfo(id);
        const WaitStateInfo& w = Waitinfo(m.wait);
        EXPECT_EQ(std::tuple(Captions(m), m.icon, int{w.timeout}, w.action),
                  std::tuple(captions, icon, seconds, timeout))
            << m.name;
    }
    EXPECT_EQ(Messageinfo(M::Win).defaultButton, B::Cmdr3);
    EXPECT_EQ(Messageinfo(M::Mnuquit).title, "Quit Programme?");
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
    EXPECT_EQ(Iconfile('Q'), "");
}

}  // namespace
}  // namespace tallimor
