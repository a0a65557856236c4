// The window with the real variants: each chosen from the chooser, one move made on the
// card the hint shows, then played to its end under autoplay on the manual clock and
// closed from the real game-over box; the result that box showed is the one counted.
#include "Artifacts.h"
#include "Chooser.h"
#include "Clock.h"
#include "GameOver.h"
#include "GameOverStep.h"
#include "GradientButton.h"
#include "HoverImage.h"
#include "MainMenu.h"
#include "ProgramGames.h"
#include "ScriptedGameOver.h"
#include "Statistics.h"
#include "UMain.h"
#include "ZelmoGame.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

class WholeGame : public ::testing::TestWithParam<int> {};

TEST_P(WholeGame, OneMoveThenAutoplayEndsInTheChooserAndCountsTheResult)
{
    const int kind = GetParam();
    const QString caption = "Christmas Zelmo - " + TGameKinds::Name(kind);
    Clock::SetManual(true);
    QTemporaryDir dir;
    const TStatisticsStore store(dir.filePath(QStringLiteral("store.conf")));

    TFMain window(ProgramGames());
    window.SetStatisticsStore(store);
    SetRandSeed(77); // after the window, which seeds from the time of day
    TFGameOver gameOver(&window);
    const TGameOverQuestionScope scope(&gameOver);
    // Once the box is up: a picture of the window with the box over it, then "Close".
    int shown = 0;
    int result = -1;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (!gameOver.isVisible())
            return;
        ++shown;
        for (int r : {grDraw, grHumanWins, grCpuWins})
            if (gameOver.lblResult->text() == TFGameOver::ResultText(r)) result = r;
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
    const auto pumpWhile = [](const std::function<bool()>& condition) {
        for (int i = 0; i < 200000 && condition(); ++i)
            QCoreApplication::processEvents();
    };
    // A player clicks once the cards have come to rest.
    pumpWhile([&] {
        return !window.Game() || !window.Game()->Waiting || window.Game()->Board->MovingCount() > 0;
    });
    TZelmoGame* game = window.Game();
    ASSERT_NE(game, nullptr);
    TCard* card = game->HintCard();
    ASSERT_NE(card, nullptr);
    const int button = game->PickedButton == mbMiddle ? mbLeft : game->PickedButton;
    game->BoardMouseDown(*game->Board, button, {}, card->X() + 2, card->Y() + 2);
    pumpWhile([&] { return game->Waiting && game->Board->MovingCount() == 0; });
    ASSERT_FALSE(game->Waiting) << "the hint's card was not taken as a move";
    window.Menu().mnuAutoplay->trigger();
    ASSERT_TRUE(game->Autoplay);
    pumpWhile([&] { return window.Game() != nullptr; });
    Clock::SetManual(false);

    EXPECT_EQ(window.Game(), nullptr) << "freed after Close";
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(window.windowTitle(), caption);
    EXPECT_FALSE(window.Menu().mnuEndgame->isEnabled());
    const TPlayerRecord record = store.Load(TGameKinds::Name(kind));
    EXPECT_EQ(record.Played(), 1);
    ASSERT_NE(result, -1);
    EXPECT_EQ(record.Won, result == grHumanWins);
    EXPECT_EQ(record.Lost, result == grCpuWins);
    EXPECT_EQ(record.Drawn, result == grDraw);
}

// The chooser, the menus and the random game's draw among them all see every kind.
TEST(ProgramGames, EveryKindIsBuilt)
{
    EXPECT_EQ(ProgramGames().Built(), (std::vector<int>{0, 1, 2}));
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltVariant, WholeGame, ::testing::ValuesIn(ProgramGames().Built()),
                         [](const auto& info) { return TGameKinds::Name(info.param).toStdString(); });

} // namespace
