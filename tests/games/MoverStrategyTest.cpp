// The computer's choice in each of its uses: leading, defending, throwing more, the hint.
#include "MoverFixture.h"

namespace {

using MoverStrategy = TMoverFixture;

TEST_F(MoverStrategy, ChooseCard)
{
    const struct {
        TLayout layout;
        int state;
        const char* choice;
        int button = mbLeft;
    } rows[] = {
        // Leading: the lowest plain card, earlier suit first; with only trumps the lowest.
        {{{"6H", "6C", "7D"}, {"8S", "KH"}}, stMoverCpuAttacks, "6C"},
        {{{"6H", "6C", "7D"}, {"8S", "KH"}}, stMoverHumanAttacks, "KH"},
        {{{"9S", "7S", "AS"}, {"8S"}}, stMoverCpuAttacks, "7S"},
        // Covering: the cheapest of the suit, else the lowest trump; "--" takes.
        {{{"KH", "9H", "6S"}, {"8C"}, {{"7H", ""}}}, stMoverCpuDefends, "9H"},
        {{{"KC", "6S"}, {"8C"}, {{"7H", ""}}}, stMoverCpuDefends, "6S"},
        {{{"AH", "7S"}, {"8C"}, {{"9S", ""}}}, stMoverCpuDefends, "--"},
        {{{"AH", "TS", "QS"}, {"8C"}, {{"9S", ""}}}, stMoverCpuDefends, "TS"},
        {{{"AD"}, {"8C", "6C"}, {{"7H", "8H"}, {"9C", ""}, {"TD", ""}}}, stMoverCpuDefends, "--"},
        // Moving the table rather than covering, while the human can face every attack and
        // nothing is beaten.
        {{{"9C", "JH"}, {"8C", "6C"}, {{"9H", ""}}}, stMoverCpuDefends, "9C"},
        {{{"9C", "JH"}, {"8C"}, {{"9H", ""}}}, stMoverCpuDefends, "JH"},
        {{{"9C", "JH"}, {"8C", "6C", "6D"}, {{"9H", "TH"}, {"9D", ""}}}, stMoverCpuDefends, "--"},
        // A trump of the rank moves the table only when the deck is nearly out.
        {{{"7H", "8S", "9S"}, {"6C", "7C"}, {{"9H", ""}}, 10}, stMoverCpuDefends, "8S"},
        {{{"7H", "8S", "9S"}, {"6C", "7C"}, {{"9H", ""}}, 1}, stMoverCpuDefends, "9S"},
        // Throwing: plain cards of table ranks in table order; trumps when the deck is < 2.
        {{{"TS", "7C", "9D"}, {"6C"}, {{"7H", "TH"}}, 2}, stMoverCpuThrows, "7C"},
        {{{"TS", "8C"}, {"6C"}, {{"7H", "TH"}}, 2}, stMoverCpuThrows, "none", mbRight},
        {{{"TS", "8C"}, {"6C"}, {{"7H", "TH"}}, 1}, stMoverCpuAddsToTaker, "TS"},
        {{{"TS", "TC"}, {"6C"}, {{"7H", "TH"}}, 0}, stMoverCpuAddsToTaker, "TC"},
        {{{"7C"}, {"7D", "8C"}, {{"7H", ""}}, 5}, stMoverHumanAddsToTaker, "7D"},
        {{{"7C"}, {"7D", "8C"}, {{"7H", ""}}, 5}, stMoverCpuAddsToTaker, "7C"},
        // The hint when the human can neither move nor cover: the table top (a placeholder).
        {{{"6C"}, {"8C", "6D"}, {{"9H", ""}}}, stMoverHumanDefends, "--"},
        {{{"6C"}, {"8C"}}, stMoverSlideTable, "none"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        Lay(row.layout);
        game.State = row.state;
        game.PickedButton = mbMiddle;
        EXPECT_EQ(Name(game.ChooseCard()), row.choice);
        EXPECT_EQ(game.PickedButton, row.button);
    }
}

// Taking is chosen as a placeholder, which is never drawn: the hint lights the attack it
// answers instead, while autoplay still takes with the placeholder.
TEST_F(MoverStrategy, HintShowsTheAttackThatWouldBeTaken)
{
    const struct {
        TLayout layout;
        int state;
        const char* hinted;
    } rows[] = {
        {{{"6C"}, {"8C", "6D"}, {{"9H", ""}}}, stMoverHumanDefends, "9H"},
        {{{"6C"}, {"8C", "6D"}, {{"7H", "8H"}, {"9H", ""}}}, stMoverHumanDefends, "9H"},
        {{{"AD"}, {"8C", "6C"}, {{"7H", "8H"}, {"9C", ""}, {"TD", ""}}}, stMoverCpuDefends, "TD"},
        {{{"KH", "9H", "6S"}, {"8C"}, {{"7H", ""}}}, stMoverCpuDefends, "9H"}, // a real card
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        Lay(row.layout);
        game.State = row.state;
        EXPECT_EQ(Name(game.HintCard()), row.hinted);
    }

    Lay({{"6C"}, {"8C", "6D"}, {{"9H", ""}}});
    game.SetAutoplay(true);
    EXPECT_EQ(Run(stMoverHumanDefends), TPosted{stInput});
    EXPECT_EQ(Name(game.PickedCard), "--");
    EXPECT_EQ(Run(stInput), TPosted{stMoverHumanDefends});
    EXPECT_EQ(Run(stMoverHumanDefends), TPosted{stMoverCpuAttacks}) << "the human takes";
    EXPECT_EQ(Names(*game.HumanHand), (TNames{"8C", "6D", "9H"}));
}

} // namespace
