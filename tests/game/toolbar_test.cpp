// The toolbar offers what the menus offer, in every situation of a game, and
// a press acts only when it is offered.

#include <gtest/gtest.h>

#include "game/game_fixture.h"
#include "game/toolbar.h"

namespace tallimor {
namespace {

// Buttons 1 to 13, '1' for one that can be pressed.
std::string Offered(const Game& g) {
    std::string s;
    const Mainview v = g.V();
    for (int i = 1; i <= kToolbuttons; ++i) s += v.toolbar[static_cast<size_t>(i)] ? '1' : '0';
    return s;
}

TEST(Toolbar, FollowsTheMenusInEverySituation) {
    Game g;
    //         settings, new, load, save, end, music, animation, demo, 4 x options, quit
    EXPECT_EQ(Offered(g), "1110001111111") << "idle";
    g.m.Tlbgame_Click(1);
    EXPECT_TRUE(g.Shown(Panel::Frmenu));
    EXPECT_EQ(Offered(g), "0000001011111") << "Game Setting Menu";
    g.m.Tlbgame_Click(2);  // not offered: nothing starts
    EXPECT_TRUE(g.Shown(Panel::Frmenu));
    g.m.Preset.answer = "345";  // so that the first guess does not win
    g.m.Cmdstart_Click();
    EXPECT_EQ(Offered(g), "0000101011111") << "first guess";
    g.Drop("012");
    EXPECT_EQ(Offered(g), "0000001000001") << "hint on show";
    g.m.Cmdshowresult_Click();
    EXPECT_EQ(Offered(g), "0001101011111") << "second guess";
    g.m.Tlbgame_Click(12);
    EXPECT_EQ(g.V().display, Displaymode::Number);
    g.m.Tlbgame_Click(4);
    ASSERT_TRUE(g.V().files);
    g.m.Fmfiles_Cmdcancel_Click();

    Game watched;
    watched.Start({{L::Who, "Watch computer play"}});
    EXPECT_EQ(Offered(watched), "0000000000000") << "watched game";

    Game marking;
    marking.Start({{L::Who, "Computer guesses"}});
    marking.m.Cmdokmark_Click();
    marking.m.Cmdready_Click();
    EXPECT_EQ(Offered(marking), "0001101011111") << "the player marks";
}

}  // namespace
}  // namespace tallimor
