// The window with the real Mover: chosen from the chooser, played to its end under
// autoplay on the manual clock, closed from the game-over question.
#include "Chooser.h"
#include "Clock.h"
#include "HoverImage.h"
#include "MainMenu.h"
#include "ProgramGames.h"
#include "ScriptedGameOver.h"
#include "UMain.h"
#include "ZelmoGame.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

TEST(MoverGameTest, AWholeGameUnderAutoplayEndsInTheChooser)
{
    Clock::SetManual(true);
    SetRandSeed(20231224);
    TScriptedGameOver gameOver;
    gameOver.Answer = [](int) { return goClose; };
    const TGameOverQuestionScope scope(&gameOver);

    TFMain window(ProgramGames());
    window.SetConfirm([](QWidget*, const QString&) {
        ADD_FAILURE() << "a finished game is ended without a question";
        return true;
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(window.Chooser().NameLabel(0), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_NE(window.Game(), nullptr);
    EXPECT_EQ(window.windowTitle(), "Christmas Zelmo - Mover");
    window.Menu().mnuAutoplay->trigger();
    ASSERT_TRUE(window.Game()->Autoplay);

    for (int i = 0; i < 200000 && window.Game(); ++i)
        QCoreApplication::processEvents();
    Clock::SetManual(false);

    EXPECT_EQ(window.Game(), nullptr) << "freed after Close";
    EXPECT_EQ(gameOver.Results.size(), 1u);
    EXPECT_EQ(window.windowTitle(), "Christmas Zelmo - Mover");
    EXPECT_FALSE(window.Menu().mnuEndgame->isEnabled());
}
