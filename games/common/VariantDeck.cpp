#include "VariantDeck.h"

namespace VariantDeck {

void Create(TBoard& board, TPile& deck)
{
    constexpr TCardValue values[] = {Ace, Six, Seven, Eight, Nine, Ten, Jack, Queen, King};
    for (TCardSuit suit : {Clubs, Diamonds, Hearts, Spades})
        for (TCardValue value : values)
            board.NewCard(&deck, value, suit, false);
}

void ShuffleForTrumps(TBoard& board, TPile& deck)
{
    do
        deck.Shuffle();
    while (deck.BottomCard()->Value() == Ace);
    board.SetTrumps(deck.BottomCard()->Suit());
}

bool CpuStarts(const TPile& cpuHand, const TPile& humanHand)
{
    const TCard* cpu = cpuHand.LowestTrump();
    const TCard* human = humanHand.LowestTrump();
    return !human || (cpu && cpu->Rank() < human->Rank());
}

} // namespace VariantDeck
