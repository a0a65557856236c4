// Starting, ending and freeing games, including while a game's handler is suspended.
#include "support/MainWindowFixture.h"

#include "Messages.h"
#include "ScriptedGameOver.h"

#include <QApplication>

using LifecycleTest = MainWindowFixture;

TEST_F(LifecycleTest, ChoosingAKindStartsItAndEnablesTheGameCommands)
{
    EXPECT_FALSE(CommandsEnabled());
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo");

    TFakeGame* game = Start(1);

    ASSERT_NE(game, nullptr);
    EXPECT_EQ(window->Game(), game);
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo - Heap");
    EXPECT_TRUE(CommandsEnabled());
    EXPECT_EQ(log.states, std::vector<int>{stNewGame}) << "StartGame posted 95 once";
    EXPECT_EQ(game->parentWidget(), window->centralWidget()) << "the game covers the chooser";
    EXPECT_EQ(game->Owner(), window.get()) << "the end notice comes to the window";
}

TEST_F(LifecycleTest, AnsweringNoLeavesTheRunningGameAsItWas)
{
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
}

TEST_F(LifecycleTest, AFinishedOrStoppedGameEndsWithoutAQuestion)
{
    for (int state : {stHumanWins, stCpuWins, stDraw}) {
        TFakeGame* game = Start(0);
        game->State = state;
        EXPECT_TRUE(window->EndCurrentGame()) << state;
        Pump();
    }
    TFakeGame* game = Start(0);
    game->StopGame();
    EXPECT_TRUE(window->EndCurrentGame());
    Pump();

    EXPECT_EQ(questions, 0);
    EXPECT_EQ(window->Game(), nullptr);
    EXPECT_EQ(log.freed, 4);
}

TEST_F(LifecycleTest, YesStopsTheGameFreesItAndShowsTheChooserAgain)
{
    TFakeGame* game = Start(0);

    EXPECT_TRUE(window->EndCurrentGame());
    EXPECT_TRUE(game->Stopped);
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo");
    EXPECT_EQ(log.freed, 0) << "freed only on the notice";
    Pump();

    EXPECT_EQ(questions, 1);
    EXPECT_EQ(window->Game(), nullptr);
    EXPECT_EQ(log.freed, 1);
    EXPECT_FALSE(CommandsEnabled());
}

TEST_F(LifecycleTest, AGameChosenWhileTheOldHandlerIsSuspendedStartsOnceAfterTheOldIsFreed)
{
    TFakeGame* old = Start(0);
    int freedWhenNewMade = -1;
    old->WhileSuspended = [&] {
        window->ChooseGame(2);
        EXPECT_EQ(window->Game(), old) << "not freed under its own handler";
    };
    old->SuspendIn = 50;
    old->PostState(50);
    Pump();

    ASSERT_EQ(log.made, 2);
    freedWhenNewMade = log.freed;
    EXPECT_EQ(freedWhenNewMade, 1);
    EXPECT_EQ(log.kinds.back(), 2);
    EXPECT_EQ(window->Game(), lastMade);
    EXPECT_EQ(window->PendingGame(), -1);
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo - Round");
    EXPECT_TRUE(CommandsEnabled());
    Pump();
    EXPECT_EQ(log.made, 2) << "started exactly once";
}

TEST_F(LifecycleTest, ASecondNoticeFreesNothing)
{
    Start(0);
    window->EndCurrentGame();
    PostMessage(window.get(), WM_GAMEENDED);
    Pump();

    EXPECT_EQ(log.freed, 1);
    EXPECT_FALSE(CommandsEnabled());
}

TEST_F(LifecycleTest, ExitStopsTwiceAndFreesOnce)
{
    window->show();
    Start(0);

    window->Exit();
    Pump();

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(questions, 1) << "the close query finds the game stopped";
    EXPECT_EQ(log.stopCalls, 2);
    EXPECT_EQ(log.freed, 1);
}

TEST_F(LifecycleTest, ANoticeReachingASuspendedGameWaitsUntilItsHandlerReturns)
{
    TFakeGame* game = Start(0);
    bool checkedInside = false;
    game->WhileSuspended = [&] {
        window->EndCurrentGame();
        PostMessage(window.get(), WM_GAMEENDED);
        // Runs right after the stray notice, still inside the suspended handler.
        QMetaObject::invokeMethod(
            window.get(),
            [&] {
                checkedInside = true;
                EXPECT_EQ(window->Game(), game);
                EXPECT_EQ(log.freed, 0);
            },
            Qt::QueuedConnection);
    };
    game->SuspendIn = 50;
    game->PostState(50);
    Pump();

    EXPECT_TRUE(checkedInside);
    EXPECT_EQ(log.freed, 1);
    EXPECT_EQ(window->Game(), nullptr);
}

TEST_F(LifecycleTest, ALateNoticeDoesNotEndTheNextGame)
{
    TFakeGame* game = Start(0);
    PostMessage(window.get(), WM_GAMEENDED);
    Pump();

    EXPECT_EQ(window->Game(), game);
    EXPECT_TRUE(CommandsEnabled());
}

TEST_F(LifecycleTest, EndGameAsksToClickAGiftWhateverTheAnswer)
{
    const QString prompt = "Click a gift from under the Christmas Tree to start playing";
    for (bool yes : {false, true}) {
        Start(0);
        answer = yes;
        window->EndGame();
        Pump();
        EXPECT_EQ(StatusText(), prompt) << yes;
        EXPECT_EQ(window->Game() == nullptr, yes);
    }
}

TEST_F(LifecycleTest, AfterTheGameOverCloseTheCaptionKeepsTheKindUntilTheNextChoice)
{
    TScriptedGameOver gameOver;
    gameOver.Answer = [](int) { return goClose; };
    const TGameOverQuestionScope scope(&gameOver);

    TFakeGame* game = Start(2);
    game->PostState(stHumanWins);
    Pump();

    EXPECT_EQ(gameOver.Results, std::vector<int>{grHumanWins});
    EXPECT_EQ(window->Game(), nullptr);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo - Round");
    EXPECT_FALSE(CommandsEnabled());

    window->ChooseGame(0);
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo");
    Pump();
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo - Mover");
}

TEST_F(LifecycleTest, OnlyKindsThatAreBuiltStart)
{
    MakeWindow({0});
    for (int kind : {1, 2, 3, -1})
        PostMessage(window.get(), WM_STARTGAME, kind);
    Pump();

    EXPECT_EQ(log.made, 0);
    EXPECT_EQ(window->windowTitle(), "Christmas Zelmo");
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
    EXPECT_EQ(log.made, 13);
}

TEST_F(LifecycleTest, DestroyingTheWindowFreesAGameStillRunning)
{
    Start(0);
    window.reset();
    EXPECT_EQ(log.freed, 1);
}
