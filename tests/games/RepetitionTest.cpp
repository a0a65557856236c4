// Every game ends: a position that comes round for the third time when a side is about
// to attack is a draw, with nothing moved after that noting.
#include "GameFixture.h"
#include "HeapModel.h"
#include "Random.h"

#include <algorithm>
#include <functional>
#include <map>

namespace {

// Plays a game on from a state to its end, the human's side as the hint says, and counts
// the positions by what the draw compares: both hands, the table, the discard pile's and
// the deck's counts, and who attacks.
template <class TFixture> class Repetition : public TFixture {
protected:
    struct TOutcome {
        int End = 0, Notings = 0, MostSeen = 0, MovesSinceLastNoting = 0;
    };

    TOutcome PlayOut(int state)
    {
        auto& g = this->game;
        TOutcome out;
        std::map<std::string, int> seen;
        const auto watch = g.Board->OnCardMoved;
        g.Board->OnCardMoved = [&](const TCard& card, const TPile* from) {
            watch(card, from);
            ++out.MovesSinceLastNoting;
        };
        for (int step = 0; step < 5000 && !(state >= stHumanWins && state <= stDraw); ++step) {
            const bool attack = (state == stHumanAttacks || state == stCpuAttacks) && !g.Waiting;
            if (attack)
                out.MovesSinceLastNoting = 0;
            TPosted next = this->Run(state);
            // An empty hand ends the game before any noting.
            const bool ended = !next.empty() && next[0] >= stHumanWins;
            if (attack && !(ended && (!g.CpuHand->Count() || !g.HumanHand->Count()))) {
                ++out.Notings;
                out.MostSeen = std::max(out.MostSeen, ++seen[Position(state, ended)]);
            }
            if (g.Waiting && !g.PickPending())
                next = HumanMove();
            EXPECT_EQ(next.size(), 1u) << "in state " << state;
            state = next.empty() ? 0 : next[0];
        }
        g.Board->OnCardMoved = watch;
        out.End = state;
        return out;
    }

private:
    std::string Position(int attackState, bool ended) const
    {
        const auto& g = this->game;
        TNames cpu = this->Names(*g.CpuHand), human = this->Names(*g.HumanHand);
        TNames table = this->Names(*g.Table);
        std::erase(table, "--"); // placeholders
        // The CPU's pass has laid its card already: the position was the one before.
        if (attackState == stCpuAttacks && !ended) {
            cpu.push_back(table.back());
            table.pop_back();
        }
        std::ranges::sort(cpu); // a hand is a set; the table keeps its order
        std::ranges::sort(human);
        std::string key = std::to_string(g.Deck->Count()) + " " + std::to_string(attackState);
        for (const auto& [pile, name] : g.PileNames())
            if (name == "Discard")
                key.append(" ").append(std::to_string(pile->Count()));
        for (const TNames* part : {&cpu, &human, &table}) {
            key += " |";
            for (const std::string& card : *part)
                key += " " + card;
        }
        return key;
    }

    // The hint, a refused press and the pass that reads it, then autoplay switched on
    // and off for the move itself: none of them may count as another noting.
    TPosted HumanMove()
    {
        auto& g = this->game;
        if (g.State == stHumanAttacks) {
            g.HintCard();
            g.PressCard(g.CpuHand->TopCard(), mbLeft);
            QCoreApplication::sendPostedEvents(&g, WM_GAMESTATE);
            EXPECT_EQ(this->Run(stInput), TPosted{stHumanAttacks});
            EXPECT_EQ(this->Run(stHumanAttacks), TPosted{}) << "a CPU card is not the player's";
        }
        this->posted.clear();
        g.SetAutoplay(true);
        g.SetAutoplay(false);
        QCoreApplication::sendPostedEvents(&g, WM_GAMESTATE);
        return this->posted;
    }
};

using MoverRepetition = Repetition<TMoverFixture>;
using HeapRepetition = Repetition<THeapFixture>;

// A circle of zelmo-sim's game 1285 of seed 315077921, where the classic rules on both
// sides go round for ever with twenty cards in the deck: the CPU attacks with six cards
// against ten and the human takes, then the human attacks and the CPU takes, and so on.
TEST_F(MoverRepetition, TheCircleEndsAtItsThirdNotingAndANewGameForgets)
{
    auto layCircle = [this] {
        GatherAll();
        game.Board->SetTrumps(Clubs);
        game.HumanHand->SetSort(psTrumpsLast);
        Put(game.CpuHand, {"7D", "9D", "AH", "AC", "6C", "AD"});
        Put(game.HumanHand, {"6D", "6S", "7S", "TS", "JS", "QS", "6H", "7H", "7C", "8C"});
        Put(game.Deck, {"JC", "QD", "QH", "KD", "AS", "8H", "9C", "KS", "KH", "9S", // bottom first
                        "JD", "QC", "JH", "KC", "8D", "TC", "TD", "8S", "9H", "TH"});
    };
    layCircle();
    TOutcome out = PlayOut(stMoverCpuAttacks);
    EXPECT_EQ(out.End, stDraw);
    // The CPU's attacks alternate between two positions, the human's repeat each time.
    EXPECT_EQ(out.Notings, 6);
    EXPECT_EQ(out.MostSeen, 3);
    EXPECT_EQ(out.MovesSinceLastNoting, 0);
    EXPECT_EQ(game.State, stMoverHumanAttacks);
    // What the draw says is the WholeGame test's (in FittedWindowTest), whose game 1822392 draws.
    Run(stNewGame);
    layCircle();
    out = PlayOut(stMoverCpuAttacks);
    EXPECT_EQ(out.Notings, 6) << "the new game must count from nothing";
}

// Heap's heap carries over, so every attack is a noting; this deal goes round from the
// first game of seed 58632.
TEST_F(HeapRepetition, ADealThatGoesRoundEndsAtTheThirdNoting)
{
    SetRandSeed(58632);
    const TOutcome out = PlayOut(stNewGame);
    EXPECT_EQ(out.End, stDraw);
    EXPECT_EQ(out.MostSeen, 3);
    EXPECT_EQ(out.MovesSinceLastNoting, 0);
    EXPECT_GT(game.CpuHand->Count() * game.HumanHand->Count(), 0);
}

// Everything the draw compares tells two positions apart, and nothing else does.
TEST(Repetitions, EveryPartOfThePositionCountsAndNothingElse)
{
    using namespace Model;
    THeapModel base;
    base.State = msCpuAttacks;
    base.Hand[sdCpu] = Bit(1);
    base.Hand[sdHuman] = Bit(2);
    base.Heap = {3, 4};
    base.Deck = {5, 6};
    const struct {
        std::function<void(THeapModel&)> Change;
        bool Same;
    } rows[] = {
        {[](THeapModel& m) { m.Hand[sdCpu] |= Bit(7); }, false},
        {[](THeapModel& m) { m.Hand[sdHuman] |= Bit(7); }, false},
        {[](THeapModel& m) { m.Heap = {4, 3}; }, false},
        {[](THeapModel& m) { m.Discard = Bit(7); }, false},
        {[](THeapModel& m) { m.Deck.pop_back(); }, false},
        {[](THeapModel& m) { m.State = msHumanAttacks; }, false},
        {[](THeapModel& m) { m.Deck = {6, 5}; }, true}, // the deck's order is not compared
        {[](THeapModel& m) { m.KnownHuman = Bit(2); }, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        TRepetitions noted;
        THeapModel other = base;
        row.Change(other);
        EXPECT_FALSE(noted.Note(base.PositionKey()));
        EXPECT_FALSE(noted.Note(other.PositionKey()));
        EXPECT_EQ(noted.Note(base.PositionKey()), row.Same) << "the third time is a draw";
    }
}

} // namespace
