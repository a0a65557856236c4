// The computer's choice: a fixed set of rules over both hands, the table and the deck's
// size; it plays the CPU's moves, the human's moves under autoplay and the hint.
#include "MoverZelmo.h"

TCard* TMover::ChooseCard()
{
    PickedButton = mbLeft;
    const bool humanTurn = State == stMoverHumanAttacks || State == stMoverHumanDefends ||
                           State == stMoverHumanThrows || State == stMoverHumanAddsToTaker;
    const TPile& own = humanTurn ? *HumanHand : *CpuHand;
    const TPile& other = humanTurn ? *CpuHand : *HumanHand;
    switch (State) {
    case stMoverHumanAttacks:
    case stMoverCpuAttacks:
        return own.LowestNonTrump();
    case stMoverHumanDefends:
    case stMoverCpuDefends:
        return ChooseDefence(own, other);
    case stMoverHumanThrows:
    case stMoverCpuThrows:
    case stMoverCpuAddsToTaker:
    case stMoverHumanAddsToTaker:
        return ChooseThrow(own);
    default:
        return nullptr;
    }
}

TCard* TMover::ChooseDefence(const TPile& own, const TPile& other) const
{
    // Trumps are kept back while the deck can still refill the hand.
    const bool spendTrumps = Deck->Count() < 2;
    if (pairs->NothingBeatenYet() && other.Count() >= Table->Count() / 2 + 1) {
        for (int attack : pairs->UndefendedAttacks()) {
            TCard* sameRank = own.FindByRank(Table->Card(attack)->Rank());
            if (sameRank && (spendTrumps || !Board->IsTrump(*sameRank)))
                return sameRank;
        }
    }
    if (const int first = pairs->FirstUndefended(); first >= 0)
        if (TCard* beater = own.CheapestBeater(*Table->Card(first)))
            return beater;
    // Taking: any table card will do; the top one is normally the last placeholder.
    return Table->TopCard();
}

TCard* TMover::ChooseThrow(const TPile& own)
{
    TCard* card = pairs->AddableCard(own, Deck->Count() < 2);
    if (!card)
        PickedButton = mbRight; // nothing to add: the same as the human's right click
    return card;
}
