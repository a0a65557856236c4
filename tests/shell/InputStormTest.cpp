// Whole games of every variant played through the main window while input rains on it:
// clicks of all three buttons at random moments on hands, table, deck, discard, the
// circle, placeholder slots, flying cards and the empty board, hint and autoplay toggled
// at random, the toolbar hidden and shown (the board resized under the game). Every game
// must still end with a result, with all 36 cards whole after every state step.
// ZELMO_STORM_GAMES sets the games per variant (4 unless set).
#include "GameInvariants.h"
#include "MainToolBar.h"
#include "ProgramGames.h"
#include "Random.h"
#include "support/ProgramWindow.h"

#include <QTest>
#include <random>

namespace {

// Autoplay comes back on after this many pumps without a state step, so a storm that
// never hits a legal card cannot keep a game from its end.
constexpr int PatiencePumps = 400;
constexpr int MaxPumps = 400000;

class InputStorm : public ProgramWindowFixture, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        ProgramWindowFixture::SetUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // A point where a player might click: on a card (flying or not), on a pile's
    // place, or anywhere on the board.
    QPoint Target(const TBoard& board)
    {
        const int kind = Pick(3);
        QRect area(0, 0, board.width(), board.height());
        if (kind == 0 && board.CardCount() > 0)
            area = board.Card(Pick(board.CardCount()))->Area();
        else if (kind == 1 && board.PileCount() > 0)
            area = board.Pile(Pick(board.PileCount()))->Area();
        return area.topLeft() + QPoint(Pick(area.width() + 1), Pick(area.height() + 1));
    }

    void Storm(TZelmoGame& game)
    {
        const int what = Pick(100);
        if (what < 70) {
            static constexpr Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton,
                                                          Qt::MiddleButton};
            QTest::mouseClick(game.Board, buttons[Pick(3)], {}, Target(*game.Board));
            ++clicks;
        } else if (what < 80) {
            window->Hint();
            ++hints;
        } else if (what < 92) {
            window->SetAutoplayCommand(Pick(2) == 0);
            ++autoplays;
        } else {
            window->ToolBar().setVisible(!window->ToolBar().isVisible());
            ++resizes;
        }
    }

    // Plays one game with storms between message passes; false when it never ended.
    bool PlayOne(int kind, int n)
    {
        SetRandSeed(static_cast<uint32_t>(n * 104729 + kind));
        auto* game = dynamic_cast<TVariantGame*>(StartGame(kind));
        if (!game)
            return false;
        const QPointer<TZelmoGame> alive(game);
        const TGameInvariants invariants(*game, TGameKinds::Name(kind).toStdString());
        int quiet = 0;
        game->OnAfterState = [&](TZelmoGame& played, int state) {
            quiet = 0;
            if (played.Stopped)
                return; // the moves of a stopped game are dropped where they are
            EXPECT_EQ(invariants.CheckAll(), "") << "game " << n << " after state " << state;
        };
        const size_t asked = answers.Results.size();
        for (int pump = 0; alive && pump < MaxPumps; ++pump) {
            if (Pick(8) == 0)
                Storm(*game);
            if (++quiet > PatiencePumps)
                window->SetAutoplayCommand(true);
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        return !alive && answers.Results.size() == asked + 1;
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    std::mt19937 rng;
    int clicks = 0, hints = 0, autoplays = 0, resizes = 0;
};

TEST_P(InputStorm, EveryGameEndsWithAResultAndNoCardIsLost)
{
    const int kind = GetParam();
    rng.seed(static_cast<uint32_t>(kind + 1));
    const int set = qEnvironmentVariableIntValue("ZELMO_STORM_GAMES");
    const int games = set > 0 ? set : 4;
    for (int n = 0; n < games && !HasFailure(); ++n)
        EXPECT_TRUE(PlayOne(kind, n)) << "game " << n << " did not end with a result";
    std::printf("%s: %d games, %d clicks, %d hints, %d autoplay switches, %d resizes\n",
                TGameKinds::Name(kind).toStdString().c_str(), games, clicks, hints, autoplays,
                resizes);
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltVariant, InputStorm, ::testing::ValuesIn(ProgramGames().Built()),
                         [](const auto& info) {
                             return TGameKinds::Name(info.param).toStdString();
                         });

} // namespace
