// The window with the real variants: each chosen from the chooser, played to its end
// under autoplay on the manual clock, closed from the real game-over box.
#include "Artifacts.h"
#include "Chooser.h"
#include "Clock.h"
#include "HoverImage.h"
#include "GameOver.h"
#include "GradientButton.h"
#include "MainMenu.h"
#include "ProgramGames.h"
#include "ScriptedGameOver.h"
#include "UMain.h"
#include "ZelmoGame.h"

#include <QAction>
#include <QPainter>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class WholeGame : public ::testing::TestWithParam<int> {};

TEST_P(WholeGame, AWholeGameUnderAutoplayEndsInTheChooser)
{
    const int kind = GetParam();
    const QString caption = "Christmas Zelmo - " + TGameKinds::Name(kind);
    Clock::SetManual(true);
    SetRandSeed(20231224);

    TFMain window(ProgramGames());
    TFGameOver gameOver(&window);
    const TGameOverQuestionScope scope(&gameOver);
    // Once the box is up: a picture of the window with the box over it, then "Close".
    int shown = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (!gameOver.isVisible())
            return;
        ++shown;
        QImage shot = window.grab().toImage();
        QPainter painter(&shot);
        painter.drawImage(window.mapFromGlobal(gameOver.mapToGlobal(QPoint(0, 0))),
                          gameOver.grab().toImage());
        painter.end();
        SaveArtifact(shot, TGameKinds::Name(kind).toLower() + "-game-over.png");
        gameOver.btnMenu->click();
    });
    answer.start(10);
    window.SetConfirm([](QWidget*, const QString&) {
        ADD_FAILURE() << "a finished game is ended without a question";
        return true;
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(window.Chooser().NameLabel(kind), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_NE(window.Game(), nullptr);
    EXPECT_EQ(window.windowTitle(), caption);
    window.Menu().mnuAutoplay->trigger();
    ASSERT_TRUE(window.Game()->Autoplay);

    for (int i = 0; i < 200000 && window.Game(); ++i)
        QCoreApplication::processEvents();
    Clock::SetManual(false);

    EXPECT_EQ(window.Game(), nullptr) << "freed after Close";
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(window.windowTitle(), caption);
    EXPECT_FALSE(window.Menu().mnuEndgame->isEnabled());
}

// The chooser, the menus and the random game's draw among them all see every kind.
TEST(ProgramGames, EveryKindIsBuilt)
{
    EXPECT_EQ(ProgramGames().Built(), (std::vector<int>{0, 1, 2}));
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltVariant, WholeGame, ::testing::ValuesIn(ProgramGames().Built()),
                         [](const auto& info) { return TGameKinds::Name(info.param).toStdString(); });

} // namespace
