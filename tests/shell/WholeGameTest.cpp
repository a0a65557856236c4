// The window with the real variants: each chosen from the chooser, one move made on the
// card the hint shows, then played to its end under autoplay on the manual clock and
// closed from the real game-over box; the result that box showed is the one counted.
#include "Chooser.h"
#include "HoverImage.h"
#include "MainMenu.h"
#include "ProgramGames.h"
#include "Random.h"
#include "Statistics.h"
#include "support/ProgramWindow.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A variant and the seed of its deal; the first Mover game of seed 1822392 goes round in
// circles until the same position comes round the third time.
struct TDealt {
    int Kind;
    uint32_t Seed = 77;
};

class WholeGame : public ProgramWindowFixture, public ::testing::WithParamInterface<TDealt> {};

TEST_P(WholeGame, OneMoveThenAutoplayEndsInTheChooserAndCountsTheResult)
{
    const int kind = GetParam().Kind;
    const bool circles = GetParam().Seed != 77;
    const QString caption = "Christmas Zelmo - " + TGameKinds::Name(kind);
    QTemporaryDir dir;
    const TStatisticsStore store(dir.filePath(QStringLiteral("store.conf")));
    window->SetStatisticsStore(store);
    SetRandSeed(GetParam().Seed); // after the window, which seeds from the time of day
    const TClosingGameOver gameOver(
        *window, [kind] { return TGameKinds::Name(kind).toLower() + "-game-over.png"; });
    window->SetConfirm([](QWidget*, const QString&) {
        ADD_FAILURE() << "a finished game is ended without a question";
        return true;
    });
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    QTest::mouseClick(window->Chooser().NameLabel(kind), Qt::LeftButton);
    QCoreApplication::processEvents();
    TZelmoGame* game = window->Game();
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(window->windowTitle(), caption);
    // A player clicks once the cards have come to rest.
    PumpWhile([game] { return !game->Waiting || game->Board->MovingCount() > 0; });
    TCard* card = game->HintCard();
    ASSERT_NE(card, nullptr);
    const int button = game->PickedButton == mbMiddle ? mbLeft : game->PickedButton;
    game->BoardMouseDown(*game->Board, button, {}, card->X() + 2, card->Y() + 2);
    PumpWhile([game] { return game->Waiting && game->Board->MovingCount() == 0; });
    ASSERT_FALSE(game->Waiting) << "the hint's card was not taken as a move";
    window->Menu().mnuAutoplay->trigger();
    ASSERT_TRUE(game->Autoplay);
    PumpWhile([this] { return window->Game() != nullptr; });

    EXPECT_EQ(window->Game(), nullptr) << "freed after Close";
    EXPECT_EQ(gameOver.Shown, 1);
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_FALSE(window->Menu().mnuEndgame->isEnabled());
    const TPlayerRecord record = store.Load(TGameKinds::Name(kind));
    EXPECT_EQ(record.Played(), 1);
    EXPECT_EQ(record.Won, gameOver.Result == TFGameOver::ResultText(grHumanWins));
    EXPECT_EQ(record.Lost, gameOver.Result == TFGameOver::ResultText(grCpuWins));
    EXPECT_EQ(record.Drawn, gameOver.Result == TFGameOver::ResultText(grDraw));
    if (circles) {
        EXPECT_EQ(record.Drawn, 1);
        EXPECT_EQ(gameOver.StatusLine, "The same position came round three times: a draw.");
    }
}

std::vector<TDealt> Deals()
{
    std::vector<TDealt> deals;
    for (int kind : ProgramGames().Built())
        deals.push_back({kind});
    if (ProgramGames().IsBuilt(0))
        deals.push_back({0, 1822392});
    return deals;
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltVariant, WholeGame, ::testing::ValuesIn(Deals()),
                         [](const auto& info) {
                             return TGameKinds::Name(info.param.Kind).toStdString() +
                                    (info.param.Seed == 77 ? "" : "GoingRound");
                         });

} // namespace
