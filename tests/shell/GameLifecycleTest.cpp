// Starting, ending and freeing a game, with the question and the caption on the way.
// Real games stopped at any moment, inside their handlers too, are StopsTest's.
#include "support/MainWindowFixture.h"

#include "Messages.h"

using LifecycleTest = MainWindowFixture;

TEST_F(LifecycleTest, AGameStartsAndOnYesStopsAndIsFreedOnceWhateverNoticesFollow)
{
    EXPECT_FALSE(CommandsEnabled());
    TFakeGame* game = Start(1);
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(window->Game(), game);
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo - Heap");
    EXPECT_TRUE(CommandsEnabled());
    EXPECT_EQ(log.states, std::vector<int>{stNewGame}) << "the new-game state posted once";

    EXPECT_TRUE(window->EndCurrentGame());
    EXPECT_TRUE(game->Stopped);
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo");
    EXPECT_EQ(log.freed, 0) << "freed only on the notice";
    PostMessage(window.get(), WM_GAMEENDED);
    Pump();

    EXPECT_EQ(questions, 1);
    EXPECT_EQ(window->Game(), nullptr);
    EXPECT_EQ(log.freed, 1) << "the second notice frees nothing";
    EXPECT_FALSE(CommandsEnabled());

    TFakeGame* next = Start(0);
    PostMessage(window.get(), WM_GAMEENDED);
    Pump();
    EXPECT_EQ(window->Game(), next) << "a stray notice does not end the next game";
    EXPECT_TRUE(CommandsEnabled());
}

