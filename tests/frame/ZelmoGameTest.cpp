// The frame's protocols: input in two passes, autoplay, stopping and its notice.
#include "ZelmoGame.h"
#include "Clock.h"
#include "Messages.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Counts the end notices a game sends its owner.
class TEndCounter : public QObject {
public:
    int Ended = 0;

protected:
    bool event(QEvent* e) override
    {
        if (static_cast<int>(e->type()) == WM_GAMEENDED) {
            ++Ended;
            return true;
        }
        return QObject::event(e);
    }
};

// A minimal variant: each state runs what the test gives it.
class TProbeGame : public TZelmoGame {
public:
    using TZelmoGame::TZelmoGame;

    void RunState(int state) override
    {
        if (Stopped)
            return;
        Ran.push_back(state);
        if (state == stInput) {
            PostState(State);
            return;
        }
        State = state;
        DepthSeen = DispatchDepth;
        if (OnState)
            OnState(state);
    }
    TCard* ChooseCard() override
    {
        ++Choices;
        PickedButton = mbLeft;
        return Choice;
    }
    void Init(QWidget* parent) override
    {
        TZelmoGame::Init(parent);
        CreateBoard();
        Hand = Board->NewPile(poLine, 10, 10, 80, 0, 1, 0, 0);
        Other = Board->NewPile(poLine, 10, 200, 80, 0, 1, 0, 0);
        for (TCardValue v : {Six, Seven, Eight})
            Board->NewCard(Hand, v, Hearts, true);
        ListenToBoard(true);
    }
    void NewGame() override {}
    void Deal() override {}
    void ArrangePiles() override {}

    // A state that takes input and records what each pass saw.
    void InputState()
    {
        if (!AwaitInput())
            return;
        Picks.push_back({PickedCard, PickedButton});
    }

    std::function<void(int)> OnState;
    std::vector<int> Ran;
    std::vector<std::pair<TCard*, int>> Picks;
    TCard* Choice = nullptr;
    int Choices = 0;
    int DepthSeen = -1;
    TPile* Hand = nullptr;
    TPile* Other = nullptr;
};

class ZelmoGameTest : public ::testing::Test {
protected:
    ZelmoGameTest()
    {
        Clock::SetManual(true);
        game.resize(400, 320);
        game.Init(nullptr);
        game.OnState = [this](int state) {
            if (state == 3)
                game.InputState();
        };
    }
    ~ZelmoGameTest() override { Clock::SetManual(false); }

    void Pump()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    // Runs state 3 through the real message path: input is then armed.
    void Arm()
    {
        game.PostState(3);
        Pump();
        ASSERT_TRUE(game.Waiting);
    }
    void ClickAt(int x, int y, int button = mbLeft)
    {
        game.BoardMouseDown(*game.Board, button, {}, x, y);
    }
    void ClickOn(const TCard* card, int button = mbLeft)
    {
        ClickAt(card->X() + 3, card->Y() + 3, button);
    }

    TEndCounter owner;
    TProbeGame game{&owner};
};

TEST_F(ZelmoGameTest, ClickWhileWaitingRunsTheStateAgainWithTheCardAndButton)
{
    Arm();
    TCard* card = game.Hand->Card(1);
    // A real press on the board, through its mouse handler.
    QTest::mousePress(game.Board, Qt::RightButton, {}, QPoint(card->X() + 5, card->Y() + 5));
    Pump();
    EXPECT_EQ(game.Ran, (std::vector<int>{3, stInput, 3}));
    ASSERT_EQ(game.Picks.size(), 1u);
    EXPECT_EQ(game.Picks[0].first, card);
    EXPECT_EQ(game.Picks[0].second, mbRight);
    EXPECT_FALSE(game.Waiting);
    EXPECT_EQ(game.State, 3); // 94 is never stored
}

TEST_F(ZelmoGameTest, ClicksThatHitNoPlayableCardPickNothingButStillAnswer)
{
    // Empty table.
    Arm();
    ClickAt(390, 300, mbRight);
    Pump();
    ASSERT_EQ(game.Picks.size(), 1u);
    EXPECT_EQ(game.Picks.back().first, nullptr);
    EXPECT_EQ(game.Picks.back().second, mbRight);

    // A placeholder is never hit.
    TCard* placeholder = game.Board->NewCard(game.Other, Ace, Clubs, false);
    placeholder->SetEmpty(true);
    Arm();
    ClickOn(placeholder);
    Pump();
    ASSERT_EQ(game.Picks.size(), 2u);
    EXPECT_EQ(game.Picks.back().first, nullptr);

    // A card in flight is ignored.
    TCard* flying = game.Hand->Card(2);
    game.Board->MoveCard(flying, game.Other, 0, false, 250, 0);
    Arm();
    ClickOn(flying);
    Pump();
    ASSERT_EQ(game.Picks.size(), 3u);
    EXPECT_EQ(game.Picks.back().first, nullptr);
}

TEST_F(ZelmoGameTest, ClicksWhileNotWaitingDoNothing)
{
    game.PostState(5);
    Pump();
    ClickOn(game.Hand->Card(0));
    Pump();
    EXPECT_EQ(game.Ran, std::vector<int>{5});
    EXPECT_EQ(game.PickedCard, nullptr);
}

TEST_F(ZelmoGameTest, OnlyTheFirstPickOfAnArmingCounts)
{
    Arm();
    ClickOn(game.Hand->Card(0));
    ClickOn(game.Hand->Card(1), mbRight);
    Pump();
    EXPECT_EQ(game.Ran, (std::vector<int>{3, stInput, 3}));
    ASSERT_EQ(game.Picks.size(), 1u);
    EXPECT_EQ(game.Picks[0].first, game.Hand->Card(0));
    EXPECT_EQ(game.Picks[0].second, mbLeft);
}

TEST_F(ZelmoGameTest, AutoplayPicksAtOnceWhenWaitingElseAtTheNextArming)
{
    game.Choice = game.Hand->Card(0);
    game.SetAutoplay(true);
    EXPECT_EQ(game.Choices, 0);
    game.PostState(3);
    Pump();
    EXPECT_EQ(game.Ran, (std::vector<int>{3, stInput, 3}));

    game.SetAutoplay(false);
    Arm();
    game.Choice = game.Hand->Card(2);
    game.SetAutoplay(true);
    Pump();
    EXPECT_EQ(game.Choices, 2);
    ASSERT_EQ(game.Picks.size(), 2u);
    EXPECT_EQ(game.Picks[0].first, game.Hand->Card(0));
    EXPECT_EQ(game.Picks[1].first, game.Hand->Card(2));
    EXPECT_EQ(game.Picks[1].second, mbLeft);
}

TEST_F(ZelmoGameTest, ManualClockPumpStepsMovesFiveMillisecondsAtATime)
{
    TCard* card = game.Hand->Card(0);
    const uint32_t start = Clock::TickCount();
    game.Board->MoveCard(card, game.Other, 0, false, 250, 0);
    int pumps = 0;
    while (card->Progress() < 1.0 && pumps < 1000) {
        game.ProcessMessages();
        ++pumps;
    }
    EXPECT_EQ(Clock::TickCount() - start, uint32_t(5 * pumps));
    EXPECT_GE(pumps, 49);
    EXPECT_LE(pumps, 52);
}

TEST_F(ZelmoGameTest, StopDuringAFlightEndsTheWaitAndSendsOneNotice)
{
    bool waitEnded = false;
    game.OnState = [&](int state) {
        if (state != 7)
            return;
        TCard* card = game.Hand->Card(0);
        game.Board->MoveCard(card, game.Other, 0, false, 250, 0);
        // The main window's "End game" arrives while the card is in flight.
        QTimer::singleShot(0, &game, [&] {
            // A state queued just before the stop must neither run nor announce again.
            game.PostState(9);
            game.StopGame();
            game.StopGame(); // a second stop (say, from closing) changes nothing
        });
        while (card->Progress() < 1.0)
            if (game.ProcessMessages()) {
                waitEnded = true;
                return;
            }
        game.PostState(8);
    };
    game.PostState(7);
    for (int i = 0; i < 10; ++i)
        Pump();
    EXPECT_TRUE(waitEnded);
    EXPECT_EQ(game.Ran, std::vector<int>{7});
    EXPECT_EQ(owner.Ended, 1);
    EXPECT_EQ(game.DispatchDepth, 0);
    EXPECT_EQ(game.Board->MovingCount(), 0);
    EXPECT_FALSE(game.Board->AnimationEnabled());
    EXPECT_EQ(game.Board->AnimateThread(), nullptr);
}

TEST_F(ZelmoGameTest, NoticeWaitsForTheOutermostHandler)
{
    std::vector<int> endedSeen;
    game.OnState = [&](int state) {
        if (state == 1) {
            game.PostState(2);
            // Pump until stopped: state 2 runs nested inside this one.
            while (!game.ProcessMessages()) {
            }
            QCoreApplication::sendPostedEvents(&owner);
            endedSeen.push_back(owner.Ended);
        } else if (state == 2) {
            EXPECT_EQ(game.DepthSeen, 2);
            game.StopGame();
        }
    };
    game.PostState(1);
    Pump();
    EXPECT_EQ(game.Ran, (std::vector<int>{1, 2}));
    EXPECT_EQ(endedSeen, std::vector<int>{0}); // not yet when the inner handler returned
    EXPECT_EQ(owner.Ended, 1);
}

TEST_F(ZelmoGameTest, StartGameOnAStoppedGamePostsNothing)
{
    game.StopGame();
    game.StartGame();
    game.PostState(3);
    Pump();
    EXPECT_TRUE(game.Ran.empty());
    EXPECT_EQ(owner.Ended, 0); // with no handler running, announcing is the caller's job
}

} // namespace
