// The window with the real variants, each played to its end on the manual clock: chosen
// from the chooser, one move made by a click, the rest by key presses alone, and closed
// from the real game-over box.
#include "CardNames.h"
#include "KeyboardPlay.h"
#include "MainMenu.h"
#include "ProgramGames.h"
#include "Statistics.h"
#include "support/ProgramWindow.h"

#include <QAction>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A variant and the seed of its deal; the first Mover game of seed 1822392 goes round in
// circles until the same position comes round the third time.
struct TDealt {
    int Kind;
    uint32_t Seed = 77;
};

class WholeGame : public ProgramWindowFixture, public ::testing::WithParamInterface<TDealt> {
protected:
    void Key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window->Game()->Board, Qt::Key(key), modifiers);
    }
    // The card a press on which does what the hint's card means: a table card stands
    // for the whole table, where any press takes.
    static TCard* Stop(TZelmoGame& game, TCard* hinted)
    {
        const std::vector<TCard*> stops = game.PressableCards();
        if (!hinted || std::find(stops.begin(), stops.end(), hinted) != stops.end())
            return hinted;
        for (TCard* stop : stops)
            if (stop->Pile() == hinted->Pile())
                return stop;
        return nullptr;
    }
    // One move by keys; false when the keys could not reach the hint's card.
    bool MoveByKeys()
    {
        TZelmoGame& game = *window->Game();
        TKeyboardPlay& keysPlay = *game.Keys();
        TCard* hinted = game.HintCard();
        const int button = game.PickedButton;
        if (!hinted && button == mbRight && game.EndsOnRightPress()) {
            Key(Qt::Key_Escape);
            return true;
        }
        // With nothing to aim at (Round's circle, nothing to capture) any press will do.
        TCard* target = hinted ? Stop(game, hinted) : keysPlay.Focused();
        if (!target)
            return false;
        if (!keysPlay.KeyMode())
            Key(Qt::Key_Right);
        for (int i = 0; i < 40 && keysPlay.Focused() != target; ++i)
            Key(Qt::Key_Right);
        if (keysPlay.Focused() != target)
            return false;
        // The status line names the card the keys would press.
        EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(CardName(*target)))
            << window->statusBar()->currentMessage().toStdString();
        Key(Qt::Key_Return, button == mbRight ? Qt::ShiftModifier : Qt::NoModifier);
        return true;
    }
};

// One move by a click on the card the hint shows, then each move the hint's choice,
// reached with Right and pressed with Enter, Shift+Enter or Escape, the status line
// following the focus; the result the real game-over box showed is the one counted.
TEST_P(WholeGame, IsPlayedToItsEndByKeysEndsInTheChooserAndCountsTheResult)
{
    const int kind = GetParam().Kind;
    const QString caption = "Christmas Zelmo - " + TGameKinds::Name(kind);
    QTemporaryDir dir;
    const TStatisticsStore store(dir.filePath(QStringLiteral("store.conf")));
    window->SetStatisticsStore(store);
    const TClosingGameOver gameOver(
        *window, [kind] { return TGameKinds::Name(kind).toLower() + "-game-over.png"; });
    window->SetConfirm([](QWidget*, const QString&) {
        ADD_FAILURE() << "a finished game is ended without a question";
        return true;
    });
    ASSERT_NE(StartFromLabel(kind, GetParam().Seed), nullptr);
    EXPECT_EQ(window->windowTitle(), caption);
    ASSERT_TRUE(AwaitTurn());
    ClickHintedCard();
    int moves = 0;
    while (AwaitTurn() && moves < 2000) {
        ASSERT_TRUE(MoveByKeys()) << "the hint's card is not a key stop in state "
                                  << window->Game()->State;
        ++moves;
    }
    EXPECT_GT(moves, 10);
    EXPECT_EQ(window->Game(), nullptr) << "freed after Close";
    EXPECT_EQ(gameOver.Shown, 1);
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_FALSE(window->Menu().mnuEndgame->isEnabled());
    const TPlayerRecord record = store.Load(TGameKinds::Name(kind));
    EXPECT_EQ(record.Played(), 1);
    EXPECT_EQ(record.Won, gameOver.Result == TFGameOver::ResultText(grHumanWins));
    EXPECT_EQ(record.Lost, gameOver.Result == TFGameOver::ResultText(grCpuWins));
    EXPECT_EQ(record.Drawn, gameOver.Result == TFGameOver::ResultText(grDraw));
    if (GetParam().Seed != 77) {
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
