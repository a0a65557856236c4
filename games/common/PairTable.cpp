#include "PairTable.h"

bool PrefersTarget(const TBoard& board, const TCard& candidate, const TCard& current)
{
    const bool trumpOverPlain = board.IsTrump(candidate) && !board.IsTrump(current);
    const bool higherOfSuit =
        candidate.Suit() == current.Suit() && candidate.Rank() > current.Rank();
    return trumpOverPlain || higherOfSuit;
}

std::vector<int> TPairTable::UndefendedAttacks() const
{
    std::vector<int> attacks;
    for (int i = 0; i + 1 < Count(); i += 2)
        if (IsPlaceholder(i + 1))
            attacks.push_back(i);
    return attacks;
}

int TPairTable::FirstUndefended() const
{
    for (int i = 0; i + 1 < Count(); i += 2)
        if (IsPlaceholder(i + 1))
            return i;
    return -1;
}

bool TPairTable::NothingBeatenYet() const
{
    return Count() == 2 * static_cast<int>(UndefendedAttacks().size());
}

std::vector<TCard*> TPairTable::RealCards() const
{
    std::vector<TCard*> cards;
    for (TCard* card : pile.Cards())
        if (!card->Empty())
            cards.push_back(card);
    return cards;
}

bool TPairTable::HasRank(int rank) const
{
    for (const TCard* card : pile.Cards())
        if (!card->Empty() && card->Rank() == rank)
            return true;
    return false;
}

bool TPairTable::CanAdd(const TPile& hand) const
{
    for (const TCard* card : hand.Cards())
        if (HasRank(card->Rank()))
            return true;
    return false;
}

TCard* TPairTable::AddableCard(const TPile& hand, bool trumpsToo) const
{
    for (const TCard* card : RealCards()) {
        TCard* found = hand.FindByRank(card->Rank());
        if (found && (trumpsToo || !pile.Board().IsTrump(*found)))
            return found;
    }
    return nullptr;
}

int TPairTable::HumanTarget(const TCard& card) const
{
    const TBoard& board = pile.Board();
    int target = -1;
    for (int i : UndefendedAttacks()) {
        const TCard& attack = *pile.Card(i);
        if (!board.Beats(card, attack))
            continue;
        if (target < 0) {
            target = i;
            continue;
        }
        if (PrefersTarget(board, attack, *pile.Card(target)))
            target = i;
    }
    return target;
}

bool TPairTable::Lay(TCard* card, int duration)
{
    pile.Board().MoveCard(card, &pile, 0, false, duration, 0);
    TCard* placeholder = pile.Board().NewCard(&pile, Ace, Clubs, false);
    placeholder->SetEmpty(true);
    return moves.WaitForCard(*card, 1.0);
}

bool TPairTable::Cover(int attackIndex, TCard* card, int duration)
{
    return moves.Replace(card, &pile, attackIndex + 1, duration, TWait::Arrived);
}

void TPairTable::DestroyPlaceholder(TCard* card) { pile.Board().DestroyCard(card); }

bool TPairTable::HandTo(TPile* taker, int duration)
{
    while (TCard* card = pile.TopCard()) {
        if (card->Empty())
            DestroyPlaceholder(card);
        else if (!moves.Move(card, taker, duration, TWait::HalfWay))
            return false;
    }
    return moves.WaitForBoard();
}

bool TPairTable::ClearTo(TPile* discard, int duration)
{
    while (pile.Count() > 0) {
        TCard* card = pile.Card(0);
        if (card->Empty())
            DestroyPlaceholder(card);
        else if (!moves.Move(card, discard, duration, TWait::HalfWay))
            return false;
    }
    return moves.WaitForBoard();
}
