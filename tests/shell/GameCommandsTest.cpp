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

// Calls back on each paint of a widget.
struct TPaintSpy : QObject {
    TPaintSpy(QObject* watched, std::function<void()> seen) : seen(std::move(seen))
    {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            seen();
        return false;
    }
    std::function<void()> seen;
};

// The suggested card is painted lit, held so for half a second, and lit no more after;
// nothing is asked or held without a suggestion or under autoplay.
TEST_F(CommandsTest, HintLightsTheSuggestedCardForHalfASecondUnlessThereIsNoneOrAutoplay)
{
    ShowWindow();
    TFakeGame* game = Start(0);
    TCard* card = game->OnlyCard;
    std::vector<std::pair<uint32_t, bool>> paints; // when, and whether lit
    const TPaintSpy spy(game->Board,
                        [&] { paints.emplace_back(Clock::TickCount(), card->SelectedCard()); });
    const uint32_t start = Clock::TickCount();
    window->Hint(); // nothing suggested
    game->Suggestion = card;
    window->SetAutoplayCommand(true);
    window->ToolBar().btnHint->trigger();
    EXPECT_EQ(log.chooseCalls, 1) << "not even asked under autoplay";
    EXPECT_EQ(Clock::TickCount(), start) << "no wait";
    EXPECT_TRUE(paints.empty());

    window->SetAutoplayCommand(false);
    window->Menu().mnuHint->trigger();
    ASSERT_FALSE(paints.empty());
    EXPECT_EQ(paints.front(), std::make_pair(start, true)) << "painted lit before the wait";
    EXPECT_EQ(Clock::TickCount() - start, uint32_t(TFMain::HintTime));
    EXPECT_FALSE(card->SelectedCard());
    QCoreApplication::processEvents();
    EXPECT_FALSE(paints.back().second) << "painted unlit after it";
}
