// Real games of every variant stopped at any moment, in each way the player has to end
// one: End game, choosing another game and closing the window; the game after each is
// closed with "Close" in the game-over box. A stop falls on a random state step or at a
// random point of a card's flight, and comes from inside whatever loop pumps messages
// then, as a menu command does. In every tenth cycle input rains on the games between
// message passes: clicks of all three buttons on cards (flying ones included), on
// piles' places and on the bare board, the hint, autoplay switched, the toolbar hidden
// and shown (the board resized under the game). After a stop: one end notice, no state
// and no move of the stopped game, the game freed, and the next game played to its end;
// every game ends, keeping every invariant after every state step.
// ZELMO_STOP_CYCLES sets the stops per variant and way (20 unless set).
#include "AnimationTime.h"
#include "EventSpy.h"
#include "GameInvariants.h"
#include "MainToolBar.h"
#include "Messages.h"
#include "ProgramGames.h"
#include "Random.h"
#include "support/ProgramWindow.h"

#include <QPointer>
#include <QTest>
#include <deque>
#include <random>

namespace {

// Autoplay comes back on after this many passes without a state step, so a storm that
// never hits a legal card cannot keep a game from its end.
constexpr int PatiencePasses = 400;

enum TWay { wyEndGame, wyChooseAnother, wyCloseWindow };
const char* const WayNames[] = {"EndGame", "ChooseAnother", "CloseWindow"};

// What one game did, kept apart from it since the window frees it.
struct TWatch {
    int Steps = 0, Moves = 0;
    bool StopDone = false;
    int AfterStop = 0; // states run or cards moved after the stop
};

class Stops : public ProgramWindowFixture,
              public ::testing::WithParamInterface<std::tuple<int, TWay>> {
protected:
    void SetUp() override
    {
        ProgramWindowFixture::SetUp();
        answers.Answer = [this](int) {
            if (watched)
                watched->StopDone = true; // "Close" stops the game
            return goClose;
        };
    }
    void TearDown() override
    {
        ProgramWindowFixture::TearDown();
        EXPECT_EQ(freed, int(watches.size())) << "every game is freed";
    }

    // The game the window has started, watched from its first state, under autoplay.
    TZelmoGame* Watch()
    {
        auto* game = dynamic_cast<TVariantGame*>(window->Game());
        if (!game)
            return nullptr;
        QObject::connect(game, &QObject::destroyed, [this] { ++freed; });
        TWatch* watch = watched = &watches.emplace_back();
        game->OnBeforeState = [this, watch](TZelmoGame&, int) {
            watch->AfterStop += watch->StopDone;
            if (++watch->Steps == stopStep)
                ArmStop(0);
        };
        game->Board->OnCardMoved = [this, watch](const TCard&, const TPile*) {
            watch->AfterStop += watch->StopDone;
            if (++watch->Moves == stopMove)
                ArmStop(stopPasses);
        };
        const auto invariants =
            std::make_shared<TGameInvariants>(*game, TGameKinds::Name(kind).toStdString());
        game->OnAfterState = [this, invariants](TZelmoGame& played, int state) {
            quiet = 0;
            if (!played.Stopped) { // a stopped game's moves are dropped where they are
                EXPECT_EQ(invariants->CheckAll(), "") << "after state " << state;
            }
        };
        window->SetAutoplayCommand(true);
        return game;
    }

    // Runs the stop once some message passes have gone by, re-posting itself meanwhile,
    // so that it arrives inside whatever loop pumps then.
    void ArmStop(int passes)
    {
        QMetaObject::invokeMethod(
            &stopper, [this, passes] { passes > 0 ? ArmStop(passes - 1) : Stop(); },
            Qt::QueuedConnection);
    }

    // Plays a game to its end and "Close"; its length sets the range of the next stop.
    void PlayToTheEnd(TZelmoGame* game, int cycle)
    {
        ASSERT_NE(game, nullptr) << "cycle " << cycle << ": no game started";
        stopStep = stopMove = -1;
        TWatch& watch = *watched;
        const size_t asked = answers.Results.size();
        ASSERT_TRUE(StormUntilFreed(game)) << "cycle " << cycle << ": the game did not end";
        EXPECT_EQ(answers.Results.size(), asked + 1) << "cycle " << cycle;
        EXPECT_EQ(watch.AfterStop, 0) << "cycle " << cycle << ": ran on after Close";
        lastSteps = watch.Steps;
        lastMoves = watch.Moves;
    }

    // Pumps messages with input falling between the passes until the game is freed;
    // false when it stays.
    bool StormUntilFreed(const QPointer<TZelmoGame>& game)
    {
        quiet = 0;
        for (int pass = 0; game && pass < 400000; ++pass) {
            if (storming && Pick(8) == 0)
                Storm(*game);
            if (game && ++quiet > PatiencePasses)
                window->SetAutoplayCommand(true);
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        return game.isNull();
    }

    void Storm(TZelmoGame& game)
    {
        static constexpr Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton,
                                                      Qt::MiddleButton};
        const int what = Pick(100);
        if (what < 70)
            QTest::mouseClick(game.Board, buttons[Pick(3)], {}, Target(*game.Board));
        else if (what < 80)
            window->Hint();
        else if (what < 92)
            window->SetAutoplayCommand(Pick(2) == 0);
        else
            window->ToolBar().setVisible(!window->ToolBar().isVisible());
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

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    // Picks the moment: a state step, or some message passes into a card's flight.
    void PickMoment()
    {
        stopStep = stopMove = -1;
        if (rng() % 2 == 0) {
            stopStep = std::uniform_int_distribution<int>(1, lastSteps)(rng);
        } else {
            stopMove = std::uniform_int_distribution<int>(1, lastMoves)(rng);
            stopPasses = std::uniform_int_distribution<int>(0, AnimationTime() / 5 + 2)(rng);
        }
    }

    // The same games every run; every tenth cycle under a storm, on the window shown
    // (a hidden one paints nothing, which keeps the other cycles quick).
    void BeginCycle(int cycle)
    {
        SetRandSeed(static_cast<uint32_t>(cycle * 7919 + kind));
        storming = cycle % 10 == 0;
        window->setVisible(storming);
    }

    // One game stopped at its moment, then the next one played to its end.
    void StopCycle(TWay way, int cycle)
    {
        BeginCycle(cycle);
        const int noticesBefore = notices;
        StartGame(kind);
        const QPointer<TZelmoGame> game(Watch());
        ASSERT_FALSE(game.isNull());
        TWatch& watch = *watched;
        PickMoment();
        stopCame = false;
        Stop = [this, game, way] {
            if (!game || game->Stopped)
                return;
            stopCame = true;
            ++stops;
            if (way == wyEndGame)
                window->EndGame();
            else if (way == wyChooseAnother)
                window->ChooseGame(kind);
            else
                EXPECT_TRUE(window->close()) << "the window refused to close";
            EXPECT_TRUE(game->Stopped);
            watched->StopDone = true;
        };
        ASSERT_TRUE(StormUntilFreed(game)) << "cycle " << cycle << ": the stopped game stays";
        EXPECT_EQ(watch.AfterStop, 0) << "cycle " << cycle << ": ran on after the stop";
        if (way == wyChooseAnother && stopCame) {
            // The game chosen during the stop starts once the old one is gone.
            for (int i = 0; i < 10 && !window->Game(); ++i)
                QCoreApplication::sendPostedEvents(window.get(), WM_STARTGAME);
        } else {
            if (way == wyCloseWindow && stopCame) {
                NewWindow();
                BeginCycle(cycle); // a new window seeds from the clock
            }
            StartGame(kind);
        }
        PlayToTheEnd(Watch(), cycle);
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents(); // a second notice would come now
        EXPECT_EQ(notices - noticesBefore, 2) << "cycle " << cycle << ": one per game";
    }

    int kind = 0;
    int notices = 0; // end notices that reached a window, whichever
    const TEventSpy noticeSpy{*QCoreApplication::instance(), [this](QEvent& e) {
                                  notices += e.type() == WM_GAMEENDED;
                                  return false;
                              }};
    QObject stopper; // carries the stop's passes
    std::function<void()> Stop;
    std::deque<TWatch> watches;
    TWatch* watched = nullptr;
    std::mt19937 rng;
    int stopStep = -1, stopMove = -1, stopPasses = 0;
    int lastSteps = 1, lastMoves = 1;
    int freed = 0;
    bool stopCame = false; // the stop of this cycle has been made
    bool storming = false; // input rains on the games of this cycle
    int quiet = 0;         // message passes since the last state step
    int stops = 0;
};

TEST_P(Stops, EachStopEndsTheGameCleanlyAndTheNextGamePlaysToItsEnd)
{
    kind = std::get<0>(GetParam());
    const TWay way = std::get<1>(GetParam());
    rng.seed(static_cast<uint32_t>(kind * 10 + way));
    const int set = qEnvironmentVariableIntValue("ZELMO_STOP_CYCLES");
    const int wanted = set > 0 ? set : 20;
    // A whole game first: its length sets the range of the first stop.
    BeginCycle(0);
    StartGame(kind);
    PlayToTheEnd(Watch(), 0);
    EXPECT_EQ(notices, 1);
    // A game that ends before its moment makes no stop; they are few.
    for (int cycle = 1; stops < wanted && cycle <= 2 * wanted && !HasFatalFailure(); ++cycle)
        StopCycle(way, cycle);
    EXPECT_EQ(stops, wanted);
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltVariant, Stops,
                         ::testing::Combine(::testing::ValuesIn(ProgramGames().Built()),
                                            ::testing::Values(wyEndGame, wyChooseAnother,
                                                              wyCloseWindow)),
                         [](const auto& info) {
                             return TGameKinds::Name(std::get<0>(info.param)).toStdString() + "_" +
                                    WayNames[std::get<1>(info.param)];
                         });

} // namespace
