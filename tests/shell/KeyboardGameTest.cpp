// Whole games of every variant in the main window, played to their end by key presses
// alone: each move is the hint's choice, reached with Right and pressed with Enter,
// Shift+Enter or Escape. The status line follows the focus.
#include "CardNames.h"
#include "KeyboardPlay.h"
#include "ProgramGames.h"
#include "Random.h"
#include "support/ProgramWindow.h"

#include <QStatusBar>
#include <QTest>

namespace {

class KeyboardGame : public ProgramWindowFixture, public ::testing::WithParamInterface<int> {
protected:
    // Waits until the game wants the player's move (or has gone); false when it has gone.
    bool AwaitPlayer()
    {
        PumpWhile([this] {
            TZelmoGame* game = window->Game();
            return game &&
                   !(game->Waiting && !game->PickPending() && game->Board->MovingCount() == 0);
        });
        return window->Game() != nullptr;
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window->Game()->Board, Qt::Key(key), modifiers);
        ++keys;
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

    int keys = 0;
};

TEST_P(KeyboardGame, IsPlayedToItsEndByKeysAlone)
{
    SetRandSeed(1225);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->ChooseGame(GetParam());
    QCoreApplication::processEvents();

    int moves = 0;
    while (AwaitPlayer() && moves < 2000) {
        ASSERT_TRUE(MoveByKeys()) << "the hint's card is not a key stop in state "
                                  << window->Game()->State;
        ++moves;
    }
    EXPECT_EQ(window->Game(), nullptr) << "the game ended and was freed";
    ASSERT_EQ(answers.Results.size(), 1u) << "one game, played to its result";
    EXPECT_GT(moves, 10);
    std::printf("%s: %d moves, %d keys, result %d\n",
                TGameKinds::Name(GetParam()).toStdString().c_str(), moves, keys,
                answers.Results.front());
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltVariant, KeyboardGame,
                         ::testing::ValuesIn(ProgramGames().Built()), [](const auto& info) {
                             return TGameKinds::Name(info.param).toStdString();
                         });

} // namespace
