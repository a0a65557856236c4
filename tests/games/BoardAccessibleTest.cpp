// What a screen reader finds on the board (piles and cards with their names and roles,
// the keyboard's card as the focus) and what it hears when the CPU moves.
#include "BoardAccessible.h"
#include "HeapFixture.h"
#include "KeyboardPlay.h"
#include "MoverFixture.h"
#include "RoundFixture.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QKeyEvent>
#include <QTest>

namespace {

// Everything the boards said while it lived, as a screen reader's bridge gets it: the
// texts of the description changes and the names of the cards that got the focus.
struct TSpeechSpy {
    TSpeechSpy()
    {
        SetAccessibleListener([this](QAccessibleEvent& event) { Heard(&event); });
    }
    ~TSpeechSpy() { SetAccessibleListener(nullptr); }
    void Heard(QAccessibleEvent* event)
    {
        QAccessibleInterface* iface = event->accessibleInterface();
        if (!iface)
            return;
        if (event->type() == QAccessible::DescriptionChanged)
            Said.push_back(iface->text(QAccessible::Description).toStdString());
        else if (event->type() == QAccessible::Focus)
            Focused.push_back(iface->text(QAccessible::Name).toStdString());
    }

    TNames Said;
    TNames Focused;
};

template <class TFixture> class TReaderFixture : public TFixture {
protected:
    QAccessibleInterface* Board() const { return QAccessible::queryAccessibleInterface(this->game.Board); }
    QAccessibleInterface* PileOf(const char* title) const
    {
        QAccessibleInterface* board = Board();
        for (int i = 0; i < board->childCount(); ++i)
            if (board->child(i)->text(QAccessible::Name) == QLatin1String(title))
                return board->child(i);
        ADD_FAILURE() << "no pile " << title;
        return nullptr;
    }
    // The names a pile's cards have, bottom up.
    TNames Spoken(const char* title) const
    {
        TNames names;
        const QAccessibleInterface* pile = PileOf(title);
        for (int i = 0; pile && i < pile->childCount(); ++i)
            names.push_back(pile->child(i)->text(QAccessible::Name).toStdString());
        return names;
    }
};

using MoverReader = TReaderFixture<TMoverFixture>;
using HeapReader = TReaderFixture<THeapFixture>;
using RoundReader = TReaderFixture<TRoundFixture>;

TEST_F(MoverReader, TheBoardHoldsItsPilesAndTheirCardsNamedAsThePlayerSeesThem)
{
    Lay({.Cpu = {"6C", "7C"}, .Human = {"7H", "QH"}, .Table = {{"9H", ""}}});
    Arm(stHumanDefends);
    QAccessibleInterface* board = Board();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Canvas);
    EXPECT_EQ(board->text(QAccessible::Name), "Card table");
    ASSERT_EQ(board->childCount(), 5);
    TNames piles;
    for (int i = 0; i < board->childCount(); ++i) {
        EXPECT_EQ(board->child(i)->role(), QAccessible::List);
        EXPECT_EQ(board->child(i)->parent(), board);
        EXPECT_EQ(board->indexOfChild(board->child(i)), i);
        piles.push_back(board->child(i)->text(QAccessible::Name).toStdString());
    }
    EXPECT_EQ(piles, (TNames{"CPU's hand", "your hand", "table", "discard pile", "deck"}));

    EXPECT_EQ(Spoken("your hand"), (TNames{"Seven of Hearts, your hand", "Queen of Hearts, your hand, playable"}));
    EXPECT_EQ(Spoken("CPU's hand"), (TNames{"face-down card, CPU's hand", "face-down card, CPU's hand"}));
    EXPECT_EQ(Spoken("table"), TNames{"Nine of Hearts, table"}) << "the placeholder is no card";
    EXPECT_EQ(PileOf("deck")->text(QAccessible::Description), "20 cards");
    QAccessibleInterface* queen = PileOf("your hand")->child(1);
    EXPECT_EQ(queen->role(), QAccessible::ListItem);
    EXPECT_EQ(queen->parent(), PileOf("your hand"));
    const QPoint onScreen = game.Board->mapToGlobal(QPoint(C("QH")->X(), C("QH")->Y()));
    EXPECT_EQ(queen->rect(), QRect(onScreen, QSize(71, 96)));
    EXPECT_EQ(board->focusChild(), queen) << "the keyboard's card is the reader's focus";
    EXPECT_TRUE(queen->state().focused);
    EXPECT_FALSE(PileOf("your hand")->child(0)->state().focused);

    // The Queen covers; with nothing left to cover and nothing to add the human attacks.
    ClickAt(C("QH")->X() + 2, C("QH")->Y() + 2);
    EXPECT_EQ(Spoken("table"), (TNames{"Nine of Hearts, table", "Queen of Hearts, table"}));
    EXPECT_EQ(Spoken("your hand"), TNames{"Seven of Hearts, your hand"});
    EXPECT_EQ(board->focusChild(), nullptr) << "nothing to press: no focus";
}

TEST_F(MoverReader, EveryCpuMoveAndEveryStatusTextIsSaid)
{
    TSpeechSpy spy;
    Lay({.Cpu = {"6C", "KC"}, .Human = {"7H", "QH"}, .DeckLeft = 0});
    Run(stCpuAttacks);
    Arm(stHumanDefends);
    EXPECT_EQ(Click(C("7H")), TPosted{}) << "Seven of Hearts covers nothing";
    EXPECT_EQ(Click(game.Table->Card(0)), TPosted{stCpuAttacks}) << "taking";
    Run(stCpuAttacks);
    EXPECT_EQ(spy.Said, (TNames{"Waiting until CPU moves", "CPU plays Six of Clubs",
                                "Click your card to defend, click table card to take, make move "
                                "with right mouse button to avoid moving table",
                                "Waiting until CPU moves", "CPU plays King of Clubs"}));
    spy.Said.clear();

    Lay({.Cpu = {"KH", "8S"}, .Human = {"7C", "9C"}, .Table = {{"QH", ""}}, .DeckLeft = 0});
    Run(stCpuDefends);
    EXPECT_EQ(spy.Said, (TNames{"Waiting until CPU defends", "CPU beats Queen of Hearts with King of Hearts"}));
    spy.Said.clear();
    Lay({.Cpu = {"6D"}, .Human = {"7C", "9C"}, .Table = {{"QH", ""}}, .DeckLeft = 0});
    Run(stCpuDefends);
    EXPECT_EQ(spy.Said, TNames{"CPU takes the table"}) << "the same status text is not said again";
}

TEST_F(MoverReader, TheCardTheKeysFocusIsTheReadersFocus)
{
    TSpeechSpy spy;
    game.show();
    game.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&game));
    game.Board->setFocus();
    Lay({.Cpu = {"6C", "7C"}, .Human = {"7H", "QH", "KH"}, .Table = {{"9H", ""}}});
    Arm(stHumanDefends); // the focus starts on the Queen, the first that covers
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, {});
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendEvent(game.Board, &right);
    EXPECT_EQ(spy.Focused, (TNames{"Queen of Hearts, your hand, playable",
                                   "King of Hearts, your hand, playable", "Nine of Hearts, table"}));
}

TEST_F(HeapReader, TheHeapsCardsAreOnTheTableAndTheCpusDefenceIsSaid)
{
    TSpeechSpy spy;
    Lay({.Cpu = {"8D", "7S"}, .Human = {"7H"}, .Heap = {"6D", "KD"}});
    Run(stCpuDefends);
    EXPECT_EQ(spy.Said, (TNames{"Waiting until CPU defends", "CPU beats King of Diamonds with Seven of Spades"}));
    EXPECT_EQ(Spoken("table"), (TNames{"Six of Diamonds, table", "King of Diamonds, table",
                                       "Seven of Spades, table"}));
    spy.Said.clear();
    Lay({.Cpu = {"8D"}, .Human = {"7H"}, .Heap = {"6D", "KD"}});
    Run(stCpuDefends);
    EXPECT_EQ(spy.Said, TNames{"CPU takes 2 cards"});
}

TEST_F(RoundReader, AtTheCircleThePlayableCardsAreTheOnesTheTopCardBeats)
{
    TSpeechSpy spy;
    Lay({{"6C"}, {"QC"}, {"JH", "7H"}, {"8D", "9H"}});
    Arm(stRoundHumanCircle);
    EXPECT_EQ(Spoken("circle"), (TNames{"Jack of Hearts, circle", "Seven of Hearts, circle, playable"}));
    EXPECT_EQ(Spoken("deck"), (TNames{"Eight of Diamonds, deck", "Nine of Hearts, deck"})) << "the deck lies face up";
    Lay({{"6C"}, {"QC"}, {"JH", "7H"}, {"8D", "9H"}});
    Run(stRoundCpuCircle);
    Lay({{"6C"}, {"QC"}, {"JH", "KC"}, {"8D", "9H"}});
    Run(stRoundCpuCircle);
    EXPECT_EQ(spy.Said, (TNames{"Select a card in the circle and beat it with top card in the deck to get them",
                                "Wait until CPU beats", "CPU captures Seven of Hearts with Nine of Hearts",
                                "CPU puts Nine of Hearts into the circle"}));
}

} // namespace
