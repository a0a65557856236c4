// Hint, autoplay and their shortcuts.
#include "support/MainWindowFixture.h"

#include "Clock.h"
#include "MainMenu.h"
#include "MainToolBar.h"

#include <QAction>
#include <QApplication>
#include <QTest>

class CommandsTest : public MainWindowFixture {
protected:
    bool AutoplayShown() const
    {
        const bool menuMark = window->Menu().mnuAutoplay->isChecked();
        EXPECT_EQ(window->ToolBar().btnAutoplay->isChecked(), menuMark) << "kept in step";
        return menuMark;
    }
};

TEST_F(CommandsTest, HAndAWorkOnlyWhileAGameRunsAndAutoplayIsOffInEveryNewGame)
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
    EXPECT_EQ(log.chooseCalls, 1) << "H without a modifier";
    // A, the menu and the button switch the same autoplay.
    const std::function<void()> switches[] = {
        [this] { QTest::keyClick(window.get(), Qt::Key_A); },
        [this] { window->Menu().mnuAutoplay->trigger(); },
        [this] { window->ToolBar().btnAutoplay->trigger(); },
    };
    bool expected = false;
    for (const auto& flip : switches) {
        flip();
        expected = !expected;
        EXPECT_EQ(game->Autoplay, expected);
        EXPECT_EQ(AutoplayShown(), expected);
    }
    ASSERT_TRUE(game->Autoplay);
    TFakeGame* next = Start(2);
    EXPECT_FALSE(next->Autoplay);
    EXPECT_FALSE(AutoplayShown());
}

TEST_F(CommandsTest, HintLightsTheSuggestedCardForHalfASecondUnlessThereIsNoneOrAutoplay)
{
    window->show();
    TFakeGame* game = Start(0);
    const uint32_t start = Clock::TickCount();
    log.paints.clear();

    window->Hint(); // nothing suggested
    game->Suggestion = game->OnlyCard;
    game->OnlyCard->Moving = true;
    window->Hint();
    EXPECT_EQ(log.chooseCalls, 2);
    game->OnlyCard->Moving = false;
    window->SetAutoplayCommand(true);
    window->ToolBar().btnHint->trigger();
    EXPECT_EQ(log.chooseCalls, 2) << "not even asked under autoplay";
    EXPECT_EQ(Clock::TickCount(), start) << "no wait";
    EXPECT_TRUE(log.paints.empty());
    EXPECT_FALSE(game->OnlyCard->SelectedCard());

    window->SetAutoplayCommand(false);
    window->Menu().mnuHint->trigger();
    ASSERT_FALSE(log.paints.empty());
    EXPECT_EQ(log.paints.front(), std::make_pair(start, true)) << "painted lit before the wait";
    EXPECT_EQ(Clock::TickCount() - start, uint32_t(TFMain::HintTime));
    EXPECT_FALSE(game->OnlyCard->SelectedCard());
}
