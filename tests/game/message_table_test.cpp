#include "game/message_table.h"

#include <gtest/gtest.h>

#include "game/wait_states.h"

namespace tallimor {
namespace {

using A = MessageAction;
using B = Msgbutton;

TEST(Messagetable, ClosingBoxesOfferSaveChangeDisplayAndEnd) {
    for (const char* id : {"Win", "Gameover1", "Franswer", "Error Detected", "Wrong Detection"}) {
        const MessageInfo* m = Findmessage(id);
        ASSERT_NE(m, nullptr) << id;
        EXPECT_EQ(m->buttons, 3);
        EXPECT_EQ(m->captions[1], "Save File");
        EXPECT_EQ(m->captions[2], "Change Display");
        EXPECT_EQ(m->captions[3], "End");
        EXPECT_EQ(m->defaultButton, B::Cmdr3);
        EXPECT_EQ(m->timeout, 900);
        EXPECT_EQ(Buttonaction(B::Cmdl3, id), A::Savefile);
        EXPECT_EQ(Buttonaction(B::Cmdmid, id), A::Toggledisplay);
        // The time-out of the box's wait presses its "End".
        EXPECT_EQ(Findplainstate(m->wait)->action, WaitAction::PressCmdr3);
    }
    EXPECT_EQ(Buttonaction(B::Cmdr3, "Win"), A::Winend);
    EXPECT_EQ(Buttonaction(B::Cmdr3, "Gameover1"), A::End);
    EXPECT_EQ(Findmessage("Franswer")->title, "Show Answer");
    EXPECT_EQ(Findmessage("Franswer")->icon, 'i');
    EXPECT_EQ(Findmessage("Win")->icon, '!');
}

TEST(Messagetable, ConfirmationsArePushedQuestions) {
    const MessageInfo* end = Findmessage("Mnuend");
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->title, "End Game?");
    EXPECT_EQ(end->icon, '?');
    EXPECT_EQ(end->wait, "Mnuend+");
    EXPECT_EQ(end->captions[0], "OK");
    EXPECT_EQ(end->captions[4], "Cancel");
    EXPECT_EQ(Findmessage("Mnuquit")->title, "Quit Programme?");
    EXPECT_EQ(Buttonaction(B::Cmdl2, "Mnuend"), A::Endgameok);
    EXPECT_EQ(Buttonaction(B::Cmdr2, "Mnuend"), A::Endgamecancel);
    EXPECT_EQ(Buttonaction(B::Cmdl2, "Mnuquit"), A::Quitok);
    EXPECT_EQ(Buttonaction(B::Cmdr2, "Mnuquit"), A::Quitcancel);
}

TEST(Messagetable, SingleButtonMessagesAndTheirOk) {
    for (const char* id : {"Same", "Warning", "Gameover0"}) {
        const MessageInfo* m = Findmessage(id);
        ASSERT_NE(m, nullptr) << id;
        EXPECT_EQ(m->buttons, 1);
        EXPECT_EQ(m->captions[2], "OK");
        EXPECT_EQ(m->icon, '!');
        EXPECT_EQ(Findplainstate(m->wait)->action, WaitAction::PressCmdmid);
    }
    EXPECT_EQ(Findmessage("Same")->title, "Inappropriate Input");
    EXPECT_EQ(Findmessage("Gameover0")->title, "Gameover");
    EXPECT_EQ(Buttonaction(B::Cmdmid, "Same"), A::Close);
    EXPECT_EQ(Buttonaction(B::Cmdmid, "Warning"), A::Close);
    EXPECT_EQ(Buttonaction(B::Cmdmid, "Gameover0"), A::Gameover0ok);
}

TEST(Messagetable, AButtonNotListedForAMessageDoesNothing) {
    EXPECT_EQ(Buttonaction(B::Cmdr3, "Mnuend"), A::None);
    EXPECT_EQ(Buttonaction(B::Cmdl2, "Win"), A::None);
    EXPECT_EQ(Buttonaction(B::Cmdmid, "Unknown"), A::None);
    EXPECT_EQ(Findmessage("Unknown"), nullptr);
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
