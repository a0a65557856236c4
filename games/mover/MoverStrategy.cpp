// What Mover's computer adds to the bout's choices: passing the attack on.
#include "MoverZelmo.h"

TCard* TMover::ChooseTableMove(const TPile& own, const TPile& other) const
{
    if (!Pairs().NothingBeatenYet() || other.Count() < Table->Count() / 2 + 1)
        return nullptr;
    // Trumps are kept back while the deck can still refill the hand.
    const bool spendTrumps = Deck->Count() < 2;
    for (int attack : Pairs().UndefendedAttacks()) {
        TCard* sameRank = own.FindByRank(Table->Card(attack)->Rank());
        if (sameRank && (spendTrumps || !Board->IsTrump(*sameRank)))
            return sameRank;
    }
    return nullptr;
}
