// Starting, ending and freeing games, with the questions and the caption on the way.
// Real games stopped at any moment, inside their handlers too, are StopsTest's.
#include "support/MainWindowFixture.h"

#include "Messages.h"
#include "Random.h"

using LifecycleTest = MainWindowFixture;

TEST_F(LifecycleTest, AnsweringNoLeavesTheRunningGameAsItWasAndExitAsksOnce)
{
    window->show();
    TFakeGame* game = Start(0);
    answer = false;
    window->ChooseGame(2);
    Pump();
    window->Exit();
    Pump();
    EXPECT_FALSE(window->EndCurrentGame());
    Pump();
    EXPECT_EQ(questions, 3);
    EXPECT_EQ(window->Game(), game);
    EXPECT_FALSE(game->Stopped);
    EXPECT_EQ(log.stopCalls, 0);
    EXPECT_EQ(log.made, 1);
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo - Mover");
    EXPECT_TRUE(CommandsEnabled());

    answer = true;
    window->Exit();
    Pump();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(questions, 4) << "the close query finds the game stopped";
    EXPECT_EQ(log.freed, 1);
}

TEST_F(LifecycleTest, AFinishedOrStoppedGameEndsWithoutAQuestion)
{
    for (int state : {stHumanWins, stCpuWins, stDraw, -1}) {
        TFakeGame* game = Start(0);
        if (state < 0)
            game->StopGame();
        else
            game->State = state;
        EXPECT_TRUE(window->EndCurrentGame()) << state;
        Pump();
        EXPECT_EQ(window->Game(), nullptr) << state;
    }
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(log.freed, 4);
}

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

TEST_F(LifecycleTest, EndGameAsksToClickAGiftWhateverTheAnswer)
{
    for (bool yes : {false, true}) {
        Start(0);
        answer = yes;
        window->EndGame();
        Pump();
        EXPECT_EQ(StatusText(), "Click a gift from under the Christmas Tree to start playing")
            << yes;
        EXPECT_EQ(window->Game() == nullptr, yes);
    }
}

TEST_F(LifecycleTest, TheRandomGameDrawsOnceAmongTheBuiltKinds)
{
    MakeWindow({0, 2});
    for (uint32_t seed = 1; seed < 40; seed += 3) {
        SetRandSeed(seed);
        const int expected = Random(2) == 0 ? 0 : 2;
        const uint32_t afterOneDraw = RandSeed();
        SetRandSeed(seed);
        window->RandomGame();
        EXPECT_EQ(RandSeed(), afterOneDraw);
        Pump();
        EXPECT_EQ(log.kinds.back(), expected) << seed;
    }
}
