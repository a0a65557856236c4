// What a screen reader finds on the board (piles and cards with their names and roles,
// the keyboard's card as the focus) and what it hears when the CPU moves.
#include "BoardAccessible.h"
#include "GameFixture.h"

#include <QAccessible>
#include <QAccessibleEvent>

namespace {

class MoverReader : public TMoverFixture {
protected:
    QAccessibleInterface* Board() const { return QAccessible::queryAccessibleInterface(game.Board); }
    QAccessibleInterface* PileOf(const char* title) const
    {
        QAccessibleInterface* board = Board();
        for (int i = 0; i < board->childCount(); ++i)
            if (board->child(i)->text(QAccessible::Name) == QLatin1String(title))
                return board->child(i);
        ADD_FAILURE() << "no pile " << title;
        return nullptr;
    }
    // The names of the board's piles, or of a pile's cards bottom up.
    static TNames ChildNames(const QAccessibleInterface* parent)
    {
        TNames names;
        for (int i = 0; parent && i < parent->childCount(); ++i)
            names.push_back(parent->child(i)->text(QAccessible::Name).toStdString());
        return names;
    }
    TNames Spoken(const char* title) const { return ChildNames(PileOf(title)); }
    // Hears the description changes the board announces, as a screen reader's bridge.
    MoverReader()
    {
        SetAccessibleListener([this](QAccessibleEvent& event) {
            QAccessibleInterface* iface = event.accessibleInterface();
            if (iface && event.type() == QAccessible::DescriptionChanged)
                said.push_back(iface->text(QAccessible::Description).toStdString());
        });
    }
    ~MoverReader() override { SetAccessibleListener(nullptr); }

    TNames said;
};

TEST_F(MoverReader, TheBoardHoldsItsPilesAndTheirCardsNamedAsThePlayerSeesThem)
{
    Lay({.Cpu = {"6C", "7C"}, .Human = {"7H", "QH"}, .Table = {{"9H", ""}}});
    Arm(stHumanDefends);
    QAccessibleInterface* board = Board();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(ChildNames(board),
              (TNames{"CPU's hand", "your hand", "table", "discard pile", "deck"}));
    for (int i = 0; i < board->childCount(); ++i)
        EXPECT_EQ(board->child(i)->parent(), board);

    EXPECT_EQ(Spoken("your hand"), (TNames{"Seven of Hearts, your hand", "Queen of Hearts, your hand, playable"}));
    EXPECT_EQ(Spoken("CPU's hand"), (TNames{"face-down card, CPU's hand", "face-down card, CPU's hand"}));
    EXPECT_EQ(Spoken("table"), TNames{"Nine of Hearts, table"}) << "the placeholder is no card";
    QAccessibleInterface* queen = PileOf("your hand")->child(1);
    EXPECT_EQ(queen->parent(), PileOf("your hand"));
    EXPECT_EQ(board->focusChild(), queen) << "the keyboard's card is the reader's focus";
    EXPECT_TRUE(queen->state().focused);

    // The Queen covers; with nothing left to cover and nothing to add the human attacks.
    ClickAt(C("QH")->X() + 2, C("QH")->Y() + 2);
    EXPECT_EQ(Spoken("table"), (TNames{"Nine of Hearts, table", "Queen of Hearts, table"}));
    EXPECT_EQ(Spoken("your hand"), TNames{"Seven of Hearts, your hand"});
    EXPECT_EQ(board->focusChild(), nullptr) << "nothing to press: no focus";
}

TEST_F(MoverReader, EveryCpuMoveAndEveryStatusTextIsSaid)
{
    Lay({.Cpu = {"6C", "KC"}, .Human = {"7H", "QH"}, .DeckLeft = 0});
    Run(stCpuAttacks);
    Arm(stHumanDefends);
    EXPECT_EQ(Click(C("7H")), TPosted{}) << "Seven of Hearts covers nothing";
    EXPECT_EQ(Click(game.Table->Card(0)), TPosted{stCpuAttacks}) << "taking";
    Run(stCpuAttacks);
    EXPECT_EQ(said, (TNames{"Waiting until CPU moves", "CPU plays Six of Clubs",
                                "Click your card to defend, click table card to take, make move "
                                "with right mouse button to avoid moving table",
                                "Waiting until CPU moves", "CPU plays King of Clubs"}));
    said.clear();

    Lay({.Cpu = {"KH", "8S"}, .Human = {"7C", "9C"}, .Table = {{"QH", ""}}, .DeckLeft = 0});
    Run(stCpuDefends);
    EXPECT_EQ(said, (TNames{"Waiting until CPU defends",
                            "CPU beats Queen of Hearts with King of Hearts"}));
    said.clear();
    Lay({.Cpu = {"6D"}, .Human = {"7C", "9C"}, .Table = {{"QH", ""}}, .DeckLeft = 0});
    Run(stCpuDefends);
    EXPECT_EQ(said, TNames{"CPU takes the table"}) << "the same status text is not said again";
}

} // namespace
