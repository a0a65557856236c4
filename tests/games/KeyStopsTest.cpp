// Keys over the one input path: which cards the focus visits in each state, where it
// starts, and that Enter, Shift+Enter and Escape press as the left button, the right
// button and the right button on nothing do.
#include "HeapFixture.h"
#include "KeyboardPlay.h"
#include "MoverFixture.h"
#include "RoundFixture.h"

#include <QKeyEvent>

namespace {

// Sends one key to the board and, when it picked, runs the state's second pass; returns
// what that posted, or nothing when the key picked nothing.
template <class TFixture> class TKeyFixture : public TFixture {
protected:
    TPosted Key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        auto& game = this->game;
        this->posted.clear();
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(game.Board, &press);
        QCoreApplication::sendPostedEvents(&game, WM_GAMESTATE);
        if (this->posted != TPosted{stInput})
            return this->posted;
        EXPECT_EQ(this->Run(stInput), TPosted{game.State});
        return this->Run(game.State);
    }
    // The first key of a game only shows the focus; later ones act.
    void ShowFocus()
    {
        if (!this->game.Keys()->KeyMode())
            Key(Qt::Key_Right);
    }
    // The focus as a card name, "none" without one.
    std::string Focus() const { return this->Name(this->game.Keys()->Focused()); }
    // The names the focus visits from where it is, once round.
    TNames Round()
    {
        TNames visited;
        const std::string first = Focus();
        do {
            visited.push_back(Focus());
            Key(Qt::Key_Right);
        } while (Focus() != first && visited.size() < 40);
        return visited;
    }
    QWidget* Ring() const { return this->game.template findChild<QWidget*>(QStringLiteral("FocusRing")); }
};

using MoverKeys = TKeyFixture<TMoverFixture>;
using HeapKeys = TKeyFixture<THeapFixture>;
using RoundKeys = TKeyFixture<TRoundFixture>;

TEST_F(MoverKeys, TheFirstKeyShowsTheRingOnTheFirstPlayableCardAndArrowsVisitHandThenTable)
{
    Lay({.Cpu = {"6C", "7C", "8C"}, .Human = {"7H", "TH", "QS", "AD"}, .Table = {{"9H", ""}}});
    Arm(stHumanDefends);
    EXPECT_EQ(Focus(), "TH") << "Ten of Hearts is the first card that beats";
    EXPECT_TRUE(Ring()->isHidden()) << "no key used yet: the board looks as with the mouse";
    EXPECT_EQ(Key(Qt::Key_Tab), TPosted{});
    EXPECT_EQ(Focus(), "TH") << "the first key only shows the focus";
    EXPECT_FALSE(Ring()->isHidden());
    const QPoint onGame = game.Board->mapTo(&game, QPoint(C("TH")->X(), C("TH")->Y()));
    EXPECT_EQ(Ring()->geometry(), QRect(onGame - QPoint(2, 2), QSize(75, 100)));
    EXPECT_EQ(Round(), (TNames{"TH", "QS", "AD", "9H", "7H"}));
    Key(Qt::Key_Left);
    EXPECT_EQ(Focus(), "7H") << "Left goes back round the end";
    Key(Qt::Key_Backtab);
    EXPECT_EQ(Focus(), "9H");
    EXPECT_EQ(game.Keys()->StatusLine(),
              "Nine of Hearts, table \u2014 Click your card to defend, click table card to take, "
              "make move with right mouse button to avoid moving table");

    EXPECT_EQ(Key(Qt::Key_Return), TPosted{stCpuAttacks}) << "a press on the table takes";
    EXPECT_EQ(Names(*game.HumanHand), (TNames{"7H", "TH", "QS", "AD", "9H"}));
    EXPECT_EQ(game.Keys()->Focused(), nullptr) << "nothing to press while the CPU plays";
    EXPECT_TRUE(Ring()->isHidden());
}

TEST_F(MoverKeys, ARefusedPressMovesTheFocusToAPlayableCardAndAMouseClickHidesTheRing)
{
    Lay({.Cpu = {"6C", "7C", "8C"}, .Human = {"7H", "TH"}, .Table = {{"9H", ""}}});
    Arm(stHumanDefends);
    Key(Qt::Key_Right);
    Key(Qt::Key_Left);
    ASSERT_EQ(Focus(), "7H");
    EXPECT_EQ(Key(Qt::Key_Space), TPosted{}) << "Seven of Hearts covers nothing: dropped";
    EXPECT_TRUE(game.Waiting);
    EXPECT_EQ(Focus(), "TH");

    QMouseEvent click(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, {});
    QCoreApplication::sendEvent(game.Board, &click);
    EXPECT_FALSE(game.Keys()->KeyMode());
    EXPECT_TRUE(Ring()->isHidden());
    EXPECT_EQ(game.Keys()->StatusLine(), game.Board->Hint());
}

// Nine of Spades (trumps) both beats the Nine of Hearts and is of its rank: the left
// button moves the table, the right one covers.
TEST_F(MoverKeys, ShiftEnterAndTheMenuKeyPressAsTheRightButton)
{
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::ShiftModifier},
                                         std::pair{Qt::Key_Enter, Qt::ShiftModifier},
                                         std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        SCOPED_TRACE(key);
        Lay({.Cpu = {"6C", "7C", "8C"}, .Human = {"9S"}, .Table = {{"9H", ""}}});
        Arm(stHumanDefends);
        ShowFocus();
        ASSERT_EQ(Focus(), "9S");
        EXPECT_EQ(Key(key, modifiers), TPosted{stHumanAttacks});
        EXPECT_EQ(Names(*game.Table), (TNames{"9H", "9S"})) << "covered, not moved on";
    }
    Lay({.Cpu = {"6C", "7C", "8C"}, .Human = {"9S"}, .Table = {{"9H", ""}}});
    Arm(stHumanDefends);
    ShowFocus();
    EXPECT_EQ(Key(Qt::Key_Return), TPosted{stMoverHumanMovesTable});
}

// Escape is the right press on nothing where that ends throwing more (states 5 and 13),
// and no press elsewhere.
TEST_F(MoverKeys, EscapeEndsThrowingMoreAndNothingElse)
{
    Lay({.Cpu = {"6C", "7C"}, .Human = {"9D", "KH"}, .Table = {{"9H", "TH"}}});
    Arm(stHumanThrows);
    EXPECT_EQ(Focus(), "9D");
    Key(Qt::Key_Right);
    EXPECT_EQ(Round(), (TNames{"9D", "KH"})) << "throwing more, the table is no stop";
    EXPECT_EQ(Key(Qt::Key_Escape), TPosted{stCpuAttacks});

    Lay({.Cpu = {"6C", "7C"}, .Human = {"9D", "KH"}, .Table = {{"9H", ""}}});
    game.ThrowLimit = 1;
    Arm(stHumanAddsToTaker);
    EXPECT_EQ(Key(Qt::Key_Escape), TPosted{stHumanAttacks});
    EXPECT_EQ(Names(*game.CpuHand), (TNames{"6C", "7C", "9H"})) << "given nothing more";

    Lay({.Cpu = {"6C", "7C"}, .Human = {"9D", "KH"}});
    Arm(stHumanAttacks);
    EXPECT_EQ(Key(Qt::Key_Escape), TPosted{});
    EXPECT_TRUE(game.Waiting);
    EXPECT_EQ(Key(Qt::Key_Enter), TPosted{stCpuDefends}) << "attacking with the focused card";
    EXPECT_EQ(Names(*game.Table), (TNames{"9D", "--"}));
}

TEST_F(HeapKeys, WithNothingThatBeatsTheFocusStartsOnTheHeapWhereAPressTakes)
{
    Lay({.Cpu = {"6C", "7C"}, .Human = {"7H", "8D"}, .Heap = {"6D", "KD"}});
    Arm(stHumanDefends);
    EXPECT_EQ(Focus(), "KD");
    Key(Qt::Key_Right);
    EXPECT_EQ(Round(), (TNames{"KD", "7H", "8D"}));
    EXPECT_EQ(Key(Qt::Key_Return), TPosted{stCpuAttacks});
    EXPECT_EQ(Names(*game.HumanHand), (TNames{"7H", "8D", "KD", "6D"}));
}

TEST_F(RoundKeys, AtTheCircleTheFocusVisitsTheCircleAndStartsOnWhatTheTopCardBeats)
{
    Lay({{"6C"}, {"QC"}, {"JH", "KC", "7H", "8S"}, {"8D", "9H"}});
    Arm(stRoundHumanCircle);
    EXPECT_EQ(Focus(), "7H");
    Key(Qt::Key_Right);
    EXPECT_EQ(Round(), (TNames{"7H", "8S", "JH", "KC"}));
    EXPECT_EQ(Key(Qt::Key_Return), TPosted{stRoundHumanCircle});
    EXPECT_EQ(Names(*game.HumanHand), (TNames{"QC", "7H", "9H"}));
}

} // namespace
