#pragma once
#include "Board.h"

// The 36-card deck every variant plays with.
namespace VariantDeck {

// Ace and Six to King of Clubs, Diamonds, Hearts, Spades, in that order, face down.
void Create(TBoard& board, TPile& deck);
// Shuffles until the bottom card is not an Ace; its suit becomes trumps.
void ShuffleForTrumps(TBoard& board, TPile& deck);
// The side holding the lower trump starts: true for the CPU. Both hands must hold
// a trump between them.
bool CpuStarts(const TPile& cpuHand, const TPile& humanHand);

} // namespace VariantDeck
