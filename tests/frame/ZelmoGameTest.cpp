// The frame's input protocol: a pick in two passes. Stopping a game at any moment, and
// its one end notice, are StopsTest's, through the main window.
#include "ZelmoGame.h"
#include "Clock.h"
#include "Messages.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using TPick = std::pair<TCard*, int>;

// A minimal variant: state 3 takes input and records each pick.
class TProbeGame : public TZelmoGame {
public:
    using TZelmoGame::TZelmoGame;

    void RunState(int state) override
    {
        if (Stopped)
            return;
        Ran.push_back(state);
        if (state == stInput)
            return PostState(State);
        State = state;
        if (state == 3 && AwaitInput())
            Picks.push_back({PickedCard, PickedButton});
    }
    TCard* ChooseCard() override { return nullptr; }
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

    std::vector<int> Ran;
    std::vector<TPick> Picks;
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
    static QPoint On(const TCard* card) { return {card->X() + 3, card->Y() + 3}; }
    void Click(QPoint p, int button)
    {
        game.BoardMouseDown(*game.Board, button, {}, p.x(), p.y());
        Pump();
    }

    QObject owner;
    TProbeGame game{&owner};
};

TEST_F(ZelmoGameTest, OnlyTheFirstClickWhileWaitingRunsTheStateAgain)
{
    Click(On(game.Hand->Card(0)), mbLeft); // not waiting: nothing
    EXPECT_EQ(game.Ran, std::vector<int>{});
    Arm();
    TCard* card = game.Hand->Card(1);
    // A real press on the board, through its mouse handler; the second click is late.
    QTest::mousePress(game.Board, Qt::RightButton, {}, On(card));
    Click(On(game.Hand->Card(0)), mbLeft);
    EXPECT_EQ(game.Ran, (std::vector<int>{3, stInput, 3}));
    EXPECT_EQ(game.Picks, std::vector<TPick>{TPick(card, mbRight)});
    EXPECT_FALSE(game.Waiting);
    EXPECT_EQ(game.State, 3); // 94 is never stored

    // The empty table, a placeholder and a card in flight are no picks, but answers.
    TCard* placeholder = game.Board->NewCard(game.Other, Ace, Clubs, false);
    placeholder->SetEmpty(true);
    TCard* flying = game.Hand->Card(2);
    game.Board->MoveCard(flying, game.Other, 0, false, 250, 0);
    for (const QPoint& p : {QPoint(390, 300), On(placeholder), On(flying)}) {
        Arm();
        Click(p, mbRight);
        EXPECT_EQ(game.Picks.back(), TPick(nullptr, mbRight)) << p.x();
    }
    EXPECT_EQ(game.Picks.size(), 4u);
}

} // namespace
