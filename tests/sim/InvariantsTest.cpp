// Each invariant zelmo-sim checks fires when a game breaks it: a fault is put on the
// table through the runner's seam in the middle of a real game of each variant, and the
// run fails at that very step, naming the game, the step and what broke.
#include "GameKinds.h"
#include "ProgramGames.h"
#include "SimRunner.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

// The pile of pairs, which the game hands out read-only, to be broken.
TPile* Pairs(TVariantGame& game) { return const_cast<TPile*>(game.PairPile()); }

struct TFault {
    std::string Name;
    bool NeedsPairs; // only variants with a pile of pairs can break it
    // Whether the table as it is now lets the fault be made.
    std::function<bool(TVariantGame&)> Ready;
    std::function<void(TVariantGame&)> Break;
    std::string Expected; // in the message
};

bool Always(TVariantGame&) { return true; }
bool EmptyPairsAndCpuCards(TVariantGame& game)
{
    return Pairs(game)->Count() == 0 && game.CpuHand->Count() > 0;
}

const std::vector<TFault>& Faults()
{
    static const std::vector<TFault> faults{
        {"CardInNoPile", false, [](TVariantGame& g) { return g.CpuHand->Count() > 0; },
         [](TVariantGame& g) { g.CpuHand->RemoveCard(0); }, "lies in no pile"},
        {"CardLost", false, [](TVariantGame& g) { return g.CpuHand->Count() > 0; },
         [](TVariantGame& g) { g.Board->DestroyCard(g.CpuHand->TopCard()); },
         "35 real cards on the board, not 36"},
        {"SameCardTwice", false, Always,
         [](TVariantGame& g) {
             g.Board->Card(1)->SetSuit(g.Board->Card(0)->Suit());
             g.Board->Card(1)->SetValue(g.Board->Card(0)->Value());
         },
         "is on the board twice"},
        {"PlaceholderInAHand", false, Always,
         [](TVariantGame& g) { g.Board->NewCard(g.CpuHand, Ace, Clubs, false)->SetEmpty(true); },
         "a placeholder lies in CpuHand"},
        {"PlaceholderBeforeItsAttack", true, EmptyPairsAndCpuCards,
         [](TVariantGame& g) {
             g.Board->NewCard(Pairs(g), Ace, Clubs, false)->SetEmpty(true);
             Pairs(g)->AddCard(g.CpuHand->TopCard());
         },
         "the placeholder at Table index 0 is not right behind an attack card"},
        {"AttackWithoutPlaceholder", true, EmptyPairsAndCpuCards,
         [](TVariantGame& g) { Pairs(g)->AddCard(g.CpuHand->TopCard()); },
         "Table holds an odd number of cards (1)"},
        {"MovingWithNothingQueued", false,
         [](TVariantGame& g) { return g.Board->MovingCount() == 0; },
         [](TVariantGame& g) { g.Board->Card(5)->Moving = true; },
         "is Moving while the move queue is empty"},
        {"QueuedButNotMoving", false, [](TVariantGame& g) { return g.Board->MovingCount() > 0; },
         [](TVariantGame& g) { g.Board->MovingCards().front()->Moving = false; },
         "is in the move queue but not Moving"},
        {"UnknownState", false, Always, [](TVariantGame& g) { g.State = 42; },
         "State 42 is not a state of "},
    };
    return faults;
}

class InvariantFault : public ::testing::TestWithParam<std::tuple<int, size_t>> {};

TEST_P(InvariantFault, StopsTheRunAtTheStepThatBrokeIt)
{
    const std::string variant = TGameKinds::Name(std::get<0>(GetParam())).toLower().toStdString();
    const TFault& fault = Faults()[std::get<1>(GetParam())];
    TSimOptions options;
    options.Variant = variant;
    options.Games = 2;
    options.Seed = 7;
    options.Check = true;
    TSimTrace noTrace;
    TSimRunner runner(options, noTrace);
    int brokenAt = -1;
    bool pairs = false;
    // Mid-game in the second game, at the first step where the fault can be made.
    runner.BeforeCheck = [&](TVariantGame& game, int gameNumber, int step) {
        pairs = game.PairPile() != nullptr;
        if (brokenAt >= 0 || gameNumber != 2 || step < 20 || (fault.NeedsPairs && !pairs) ||
            !fault.Ready(game))
            return;
        fault.Break(game);
        brokenAt = step;
    };
    const int status = runner.Run();
    if (fault.NeedsPairs && !pairs)
        GTEST_SKIP() << variant << " has no pile of pairs";
    ASSERT_GE(brokenAt, 0) << "no step of game 2 let the fault be made";
    EXPECT_EQ(status, 1);
    const std::string& failure = runner.Failure();
    const std::string where = "game 2 step " + std::to_string(brokenAt) + ", after state ";
    EXPECT_EQ(failure.rfind(where, 0), 0u) << failure;
    EXPECT_NE(failure.find(fault.Expected), std::string::npos) << failure;
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltVariant, InvariantFault,
                         ::testing::Combine(::testing::ValuesIn(ProgramGames().Built()),
                                            ::testing::Range(size_t(0), Faults().size())),
                         [](const auto& info) {
                             return TGameKinds::Name(std::get<0>(info.param)).toStdString() + "_" +
                                    Faults()[std::get<1>(info.param)].Name;
                         });

} // namespace
