// Hint, autoplay, their shortcuts, and the look a new game's board receives.
#include "support/MainWindowFixture.h"

#include "Clock.h"
#include "MainMenu.h"
#include "MainToolBar.h"

#include <QAction>
#include <QApplication>
#include <QTest>

namespace {

// The hint wait runs on the manual clock, so holding it costs no real time.
class ManualClock {
public:
    ManualClock()
    {
        Clock::SetManual(true);
        Clock::SetTick(1000);
    }
    ~ManualClock() { Clock::SetManual(false); }
};

} // namespace

class CommandsTest : public MainWindowFixture {
protected:
    bool AutoplayShown() const
    {
        const bool menuMark = window->Menu().mnuAutoplay->isChecked();
        EXPECT_EQ(window->ToolBar().btnAutoplay->isChecked(), menuMark) << "kept in step";
        return menuMark;
    }

    ManualClock clock;
};

TEST_F(CommandsTest, AutoplayFollowsTheMenuAndTheButtonAlike)
{
    TFakeGame* game = Start(0);

    window->Menu().mnuAutoplay->trigger();
    EXPECT_TRUE(game->Autoplay);
    EXPECT_TRUE(AutoplayShown());

    window->ToolBar().btnAutoplay->trigger();
    EXPECT_FALSE(game->Autoplay);
    EXPECT_FALSE(AutoplayShown());

    window->ToolBar().btnAutoplay->trigger();
    EXPECT_TRUE(game->Autoplay);
    EXPECT_TRUE(AutoplayShown());
}

TEST_F(CommandsTest, EveryNewGameStartsWithAutoplayOff)
{
    Start(0);
    window->Menu().mnuAutoplay->trigger();

    TFakeGame* next = Start(2);

    EXPECT_FALSE(next->Autoplay);
    EXPECT_FALSE(AutoplayShown());
}

TEST_F(CommandsTest, HintLightsTheSuggestedCardForHalfASecond)
{
    window->show();
    TFakeGame* game = Start(0);
    game->Suggestion = game->OnlyCard;
    log.paints.clear();
    const uint32_t start = Clock::TickCount();

    window->Menu().mnuHint->trigger();

    ASSERT_FALSE(log.paints.empty());
    EXPECT_EQ(log.paints.front(), std::make_pair(start, true)) << "painted lit before the wait";
    EXPECT_EQ(Clock::TickCount() - start, uint32_t(TFMain::HintTime));
    EXPECT_FALSE(game->OnlyCard->SelectedCard());
}

TEST_F(CommandsTest, HintDoesNothingUnderAutoplayWithoutACardOrWithAMovingOne)
{
    window->show();
    TFakeGame* game = Start(0);
    const uint32_t start = Clock::TickCount();

    window->Hint(); // nothing suggested
    game->Suggestion = game->OnlyCard;
    game->OnlyCard->Moving = true;
    window->Hint();
    EXPECT_EQ(log.chooseCalls, 2);

    game->OnlyCard->Moving = false;
    window->SetAutoplayCommand(true);
    const int beforeAutoplay = log.chooseCalls;
    log.paints.clear();
    window->ToolBar().btnHint->trigger();
    EXPECT_EQ(log.chooseCalls, beforeAutoplay) << "not even asked";

    EXPECT_EQ(Clock::TickCount(), start) << "no wait";
    EXPECT_TRUE(log.paints.empty());
    EXPECT_FALSE(game->OnlyCard->SelectedCard());
}

TEST_F(CommandsTest, HAndAWorkWithoutAModifierOnlyWhileAGameRuns)
{
    QApplication::setQuitOnLastWindowClosed(false);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTest::keyClick(window.get(), Qt::Key_H);
    QTest::keyClick(window.get(), Qt::Key_A);
    EXPECT_EQ(log.chooseCalls, 0);
    EXPECT_FALSE(AutoplayShown());

    TFakeGame* game = Start(0);
    game->Suggestion = game->OnlyCard;
    QTest::keyClick(window.get(), Qt::Key_H);
    EXPECT_EQ(log.chooseCalls, 1);
    QTest::keyClick(window.get(), Qt::Key_A);
    EXPECT_TRUE(game->Autoplay);
    EXPECT_TRUE(AutoplayShown());
}

TEST_F(CommandsTest, ANewBoardGetsTheDefaultLook)
{
    TFakeGame* game = Start(0);
    const TBoard& board = *game->Board;

    EXPECT_EQ(board.Color(), QColor(Qt::black));
    EXPECT_EQ(board.Color2(), QColor(0, 255, 0)) << "0x0000FF00 is stored as 0x00BBGGRR";
    EXPECT_EQ(board.BackType(), btTile);
    EXPECT_TRUE(board.DrawBackFrame());
    EXPECT_EQ(board.AutoCardBack(), 6);
    EXPECT_EQ(board.AnimateType(), atUniform);
    EXPECT_EQ(board.Picture().size(), QSize(200, 200)) << "the SNOWFLAKES1 picture";
    EXPECT_EQ(game->OnlyCard->Back(), 6);
    EXPECT_TRUE(window->ToolBar().isVisibleTo(window.get()));
    EXPECT_TRUE(window->ToolBar().Flat());
}

TEST_F(CommandsTest, ResizingTheClientAreaRearrangesThePiles)
{
    window->show();
    TFakeGame* game = Start(0);
    Pump();
    const int before = log.arrangeCalls;
    const int height = game->height();

    window->ToolBar().hide();
    Pump();

    EXPECT_GT(log.arrangeCalls, before);
    EXPECT_GT(game->height(), height);
}
