#pragma once
#include "CardMoves.h"

#include <vector>

// Whether candidate is the better card to go for than current, both of them beatable:
// a trump over a non-trump, or a higher card of the same suit.
bool PrefersTarget(const TBoard& board, const TCard& candidate, const TCard& current);

// The table of a bout as attack/cover pairs: index 2k holds the k-th attack card and
// 2k+1 its cover, a real card or a placeholder (an Empty card that is never drawn or
// hit). Every attack card brings its placeholder; a cover takes the placeholder's slot.
class TPairTable {
public:
    TPairTable(TPile& pile, TCardMoves& moves) : pile(pile), moves(moves) {}

    TPile& Pile() const { return pile; }
    int Count() const { return pile.Count(); }
    bool IsPlaceholder(int index) const { return pile.Card(index)->Empty(); }
    // The attack card a cover or placeholder of the table answers.
    TCard* AttackOf(const TCard& cover) const { return pile.Card(pile.IndexOf(&cover) - 1); }

    // Attack indexes (even) whose cover is still a placeholder, in table order.
    std::vector<int> UndefendedAttacks() const;
    int FirstUndefended() const; // -1 when every attack is covered
    bool HasUndefended() const { return FirstUndefended() >= 0; }
    bool NothingBeatenYet() const;
    std::vector<TCard*> RealCards() const;
    // Whether some real table card has this rank.
    bool HasRank(int rank) const;
    // Whether hand holds a card of the rank of some real table card.
    bool CanAdd(const TPile& hand) const;
    // The card hand may add: for each real table card in order, the hand's card of
    // that rank (non-trumps first); trumps only when trumpsToo.
    TCard* AddableCard(const TPile& hand, bool trumpsToo) const;

    // The attack a clicked card covers: the first undefended attack it beats, replaced
    // by a later one it also beats that is a trump over a non-trump, or of the same
    // suit and higher. -1 when it beats none.
    int HumanTarget(const TCard& card) const;

    // Puts an attack card (or a thrown one) at the end with its placeholder; waits
    // until it has arrived.
    bool Lay(TCard* card, int duration);
    // Covers the attack at attackIndex; waits until the card has arrived.
    bool Cover(int attackIndex, TCard* card, int duration);
    // The whole table to a taker, from the top, overlapping; then waits for the board.
    bool HandTo(TPile* taker, int duration);
    // The beaten table to the discard pile, from the bottom, overlapping; then waits
    // for the board.
    bool ClearTo(TPile* discard, int duration);

private:
    void DestroyPlaceholder(TCard* card);

    TPile& pile;
    TCardMoves& moves;
};
