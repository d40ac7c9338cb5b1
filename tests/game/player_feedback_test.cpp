// What the player is told beyond the rules: why an input is refused and which
// switches are on, all through the module, as the player would meet it.

#include <gtest/gtest.h>

#include <functional>

#include "game/game_fixture.h"
#include "game/toolbar.h"

namespace tallimor {
namespace {

using Move = std::function<void(Tallimormod&)>;

// The player's moves on the guess panel, each a step of a case below.
Move Typed(std::vector<std::string> texts) {
    return [texts](Tallimormod& m) {
        for (const std::string& t : texts) m.Txtinput_Change(t);
    };
}
Move Clicked(std::vector<int> colours) {
    return [colours](Tallimormod& m) {
        for (int c : colours) m.Lblcolour_DblClick(c);
    };
}
Move Dropped(DragSource::Kind kind, std::vector<std::pair<int, int>> drops) {
    return [kind, drops](Tallimormod& m) {
        for (const auto& [from, to] : drops) m.Lblstring_DragDrop({kind, from}, to);
    };
}
Move Emptied(int position) {
    return [position](Tallimormod& m) { m.Lblstring_DblClick(position); };
}
Move Pressedcolour(int colour) {
    return [colour](Tallimormod& m) { m.Lblcolour_MouseDown(colour); };
}
const Move kEnter = [](Tallimormod& m) { m.Enter_Keypress(); };
const Move kSubmit = [](Tallimormod& m) { m.Cmdsubcol_Click(); };
Move Then(Move first, Move second) {
    return [first, second](Tallimormod& m) { first(m), second(m); };
}

struct Refusalcase {
    const char* name;
    Picks picks;
    bool keyboard;
    Move refused;  // its last step is refused
    std::string line;
    Move accepted;
};

TEST(PlayerFeedback, EachRefusalSaysWhyUntilTheNextAcceptedInput) {
    const Picks defaults;  // 10 colours, length 3, "Fixed order", "No repetition"
    const Picks sixRandom{{L::Colour, "6"},
                          {L::Length, "4"},
                          {L::Order, "Random order"},
                          {L::Repeat, "Each colour at most 2 times"}};
    const Picks unspecified{{L::Length, "Unspecified (3 - 5)"}};
    const std::string order = "A \"Fixed order\" code goes in ascending order";
    const std::string once = "This setting allows no repetition: each colour at most once.";
    const std::string twice = "This setting allows each colour at most 2 times.";
    const std::string twoBlanks = "This setting allows at most 2 blanks.";
    const auto C = DragSource::Colour;
    const auto P = DragSource::Position;
    const std::vector<Refusalcase> cases{
        {"typed out of order", defaults, true, Typed({"9", "93"}), order + ".", Typed({"39"})},
        {"typed twice", defaults, true, Typed({"9", "99"}), once, Typed({""})},
        {"typed blank", defaults, true, Typed({"1b"}),
         "A blank is allowed only where the length is unspecified.", Typed({"12"})},
        {"typed too long", defaults, true, Typed({"123", "1234"}), "All 3 positions are typed.",
         Typed({"12"})},
        {"typed no colour", sixRandom, true, Typed({"7"}), "Type the digits 0 to 5 for the colours.",
         Typed({"5"})},
        {"typed blanks", unspecified, true, Typed({"01bbb"}), twoBlanks, Typed({"01bb"})},
        {"blank before a colour", unspecified, true, Typed({"0b1"}), order + ", blanks last.",
         Typed({"01b"})},
        {"typed short", defaults, true, Then(Typed({"12"}), kEnter), "Type all 3 positions before Submit.",
         Typed({"123"})},
        {"panel while typing", defaults, true, Clicked({4}),
         "Keyboard input is on: type the colours' digits.", Typed({"4"})},
        {"colour used up", defaults, false, Clicked({3, 3}), once, Clicked({4})},
        {"press on a used-up colour", sixRandom, false, Then(Clicked({2, 2}), Pressedcolour(2)), twice,
         Clicked({1})},
        {"fixed row full", defaults, false, Clicked({0, 1, 2, 5}),
         "The row is full: take a colour out first.", Emptied(0)},
        {"random row full", sixRandom, false, Clicked({0, 1, 2, 3, 4}),
         "The row is full: drop a colour onto the one it replaces.", Dropped(C, {{4, 0}})},
        {"drop of a used-up colour", sixRandom, false, Dropped(C, {{2, 0}, {2, 1}, {2, 2}}), twice,
         Dropped(P, {{0, 3}})},
        {"fixed row rearranged", defaults, false, Then(Clicked({1, 6}), Dropped(P, {{0, 1}})),
         "A \"Fixed order\" row keeps its colours in ascending order.", Clicked({0})},
        {"submit unfilled", defaults, false, Then(Clicked({1}), kEnter),
         "Every position needs a colour before Submit.", Clicked({2})},
        {"submit with too many blanks", unspecified, false, Then(Clicked({1}), kSubmit), twoBlanks,
         Emptied(0)},
    };
    for (const Refusalcase& c : cases) {
        SCOPED_TRACE(c.name);
        Game g;
        if (c.keyboard) g.m.Mnukey_Click();
        g.Start(c.picks);
        ASSERT_TRUE(g.Shown(c.keyboard ? Panel::Frinput : Panel::Frgetstring));
        EXPECT_EQ(g.V().refusal, "");
        c.refused(g.m);
        EXPECT_EQ(g.V().refusal, c.line);
        c.accepted(g.m);
        EXPECT_EQ(g.V().refusal, "");
    }
}

TEST(PlayerFeedback, NoWordForADropThatChangesNothingAndNoneLeftForTheNextTrial) {
    Game g;
    g.Start(kSixFour, "5432");
    g.m.Lblstring_DragDrop({DragSource::Colour, 3}, 1);
    g.m.Lblstring_DragDrop({DragSource::Colour, 3}, 1);  // the colour on itself
    g.m.Lblstring_DragDrop({DragSource::Position, 1}, 1);
    EXPECT_EQ(g.V().refusal, "");

    g.m.Mnukey_Click();
    g.m.Txtinput_Change("0123");
    g.m.Txtinput_Change("01234");
    EXPECT_EQ(g.V().refusal, "All 4 positions are typed.");
    g.m.Enter_Keypress();  // the code typed so far is submitted
    ASSERT_TRUE(g.Shown(Panel::Frshowresult));
    g.m.Cmdshowresult_Click();
    ASSERT_TRUE(g.Shown(Panel::Frinput));
    EXPECT_EQ(g.V().refusal, "");
}

// A colour's tool tip is what a click on it would be told, save in a full
// "Random order" row, where a colour dropped on a position replaces the one there.
TEST(PlayerFeedback, TheColourPanelsToolTipsSayWhyAColourCannotBeTaken) {
    Game g;
    g.Start({}, "789");  // "Fixed order", "No repetition"
    const auto click = [&g](int c) {
        const std::string tip = g.V().colourTip[static_cast<size_t>(c)];
        g.m.Lblcolour_DblClick(c);
        EXPECT_EQ(tip, g.V().refusal) << c;
    };
    for (int c : {3, 3, 4, 5, 6}) click(c);  // 3 once used, and 6 when the row is full
    g.m.Mnukey_Click();
    click(6);
    g.m.Txtinput_Change("345");
    g.m.Cmdsubnum_Click();
    EXPECT_EQ(g.V().colourTip[6], "") << "no panel, no tip";

    Game r;
    r.Start(kSixFour);
    for (int c : {0, 1, 2, 3}) r.m.Lblcolour_DblClick(c);
    EXPECT_EQ(r.V().colourTip[4], "");
}

// Buttons 7 and 9 to 12 as '1' pressed or '0' not.
std::string Pressed(const Mainview& v) {
    std::string s;
    for (int i : {7, 9, 10, 11, 12}) s += v.toolbarPressed[static_cast<size_t>(i)] ? '1' : '0';
    return s;
}

TEST(PlayerFeedback, TheSwitchesOfTheToolbarStandPressedWhileInForce) {
    Game g;
    g.Start({}, "789");
    // Each toggle from the toolbar; the menus' items are what its buttons call.
    const std::vector<std::pair<int, std::string>> steps{
        {0, "11010"},  {10, "10110"}, {9, "11010"}, {12, "11001"},
        {11, "11010"}, {7, "01010"},  {7, "11010"}, {11, "11010"},  // already in force: stays pressed
    };
    for (const auto& [button, pressed] : steps) {
        g.m.Tlbgame_Click(button);
        EXPECT_EQ(Pressed(g.V()), pressed) << button;
    }
}

}  // namespace
}  // namespace tallimor
