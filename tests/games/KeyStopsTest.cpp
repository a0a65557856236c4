// Keys over the one input path: the arrows and Tab walk the cards a press may pick,
// Enter presses as the left button, Escape as the right button on nothing, which only
// ends throwing or giving more.
#include "KeyboardPlay.h"
#include "GameFixture.h"

#include <QTest>

namespace {

class MoverKeys : public TMoverFixture {
protected:
    // Sends one key to the board and, when it picked, runs the state's second pass;
    // returns what that posted, or nothing when the key picked nothing.
    TPosted Key(int key)
    {
        posted.clear();
        QTest::keyClick(game.Board, Qt::Key(key));
        QCoreApplication::sendPostedEvents(&game, WM_GAMESTATE);
        if (posted != TPosted{stInput})
            return posted;
        EXPECT_EQ(Run(stInput), TPosted{game.State});
        return Run(game.State);
    }
    std::string Focus() const { return Name(game.Keys()->Focused()); }
};

// Escape is the right press on nothing where that ends throwing more (states 5 and 13),
// and no press elsewhere; the keys walk the hand and Enter presses the focused card.
TEST_F(MoverKeys, EscapeEndsThrowingMoreAndTheKeysWalkAndPress)
{
    Lay({.Cpu = {"6C", "7C"}, .Human = {"9D", "KH"}, .Table = {{"9H", "TH"}}});
    Arm(stHumanThrows);
    Key(Qt::Key_Right); // the first key only shows the focus
    EXPECT_EQ(Focus(), "9D");
    EXPECT_EQ(Key(Qt::Key_Escape), TPosted{stCpuAttacks});

    Lay({.Cpu = {"6C", "7C"}, .Human = {"9D", "KH"}, .Table = {{"9H", ""}}});
    game.ThrowLimit = 1;
    Arm(stHumanAddsToTaker);
    EXPECT_EQ(Key(Qt::Key_Escape), TPosted{stHumanAttacks});
    EXPECT_EQ(Names(*game.CpuHand), (TNames{"6C", "7C", "9H"})) << "given nothing more";

    // Right and Tab go along the hand and round from its end, Left and Shift+Tab back.
    Lay({.Cpu = {"6C", "7C"}, .Human = {"9D", "JD", "KH"}, .DeckLeft = 0});
    Arm(stHumanAttacks);
    const std::pair<int, const char*> walk[] = {{Qt::Key_Right, "JD"},  {Qt::Key_Tab, "KH"},
                                                {Qt::Key_Right, "9D"},  {Qt::Key_Left, "KH"},
                                                {Qt::Key_Backtab, "JD"}, {Qt::Key_Left, "9D"}};
    for (const auto& [key, focus] : walk) {
        Key(key);
        EXPECT_EQ(Focus(), focus) << key;
    }
    EXPECT_EQ(Key(Qt::Key_Escape), TPosted{});
    EXPECT_TRUE(game.Waiting);
    EXPECT_EQ(Key(Qt::Key_Enter), TPosted{stCpuDefends}) << "attacking with the focused card";
    EXPECT_EQ(Names(*game.Table), (TNames{"9D", "--"}));
}

} // namespace
