// Hint, autoplay and their shortcuts.
#include "support/MainWindowFixture.h"

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

