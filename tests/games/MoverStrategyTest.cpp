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
        // Covering: the cheapest of the suit, else the lowest trump; "--" takes.
        {{{"KH", "9H", "6S"}, {"8C"}, {{"7H", ""}}}, stMoverCpuDefends, "9H"},
        {{{"AH", "7S"}, {"8C"}, {{"9S", ""}}}, stMoverCpuDefends, "--"},
        // Moving the table rather than covering, while the human can face every attack and
        // nothing is beaten.
        {{{"9C", "JH"}, {"8C", "6C"}, {{"9H", ""}}}, stMoverCpuDefends, "9C"},
        // A trump of the rank moves the table only when the deck is nearly out.
        {{{"7H", "8S", "9S"}, {"6C", "7C"}, {{"9H", ""}}, 10}, stMoverCpuDefends, "8S"},
        {{{"7H", "8S", "9S"}, {"6C", "7C"}, {{"9H", ""}}, 1}, stMoverCpuDefends, "9S"},
        // Throwing: plain cards of table ranks in table order; trumps when the deck is < 2.
        {{{"TS", "7C", "9D"}, {"6C"}, {{"7H", "TH"}}, 2}, stMoverCpuThrows, "7C"},
        {{{"TS", "8C"}, {"6C"}, {{"7H", "TH"}}, 2}, stMoverCpuThrows, "none", mbRight},
        {{{"TS", "8C"}, {"6C"}, {{"7H", "TH"}}, 1}, stMoverCpuAddsToTaker, "TS"},
        // The hint when the human can neither move nor cover: the table top (a placeholder).
        {{{"6C"}, {"8C", "6D"}, {{"9H", ""}}}, stMoverHumanDefends, "--"},
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

} // namespace
