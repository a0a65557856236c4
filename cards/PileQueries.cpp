// The strength questions the computer players ask of a hand. Every scan runs from the
// top card down, so on equal ranks the card nearer the top wins.
#include "Board.h"
#include "Card.h"
#include "Pile.h"

namespace {

template <typename Pred> TCard* LowestWhere(const std::vector<TCard*>& cards, Pred pred)
{
    TCard* best = nullptr;
    for (auto it = cards.rbegin(); it != cards.rend(); ++it) {
        TCard* c = *it;
        if (!c->Empty() && pred(*c) && (!best || c->Rank() < best->Rank()))
            best = c;
    }
    return best;
}

template <typename Pred> TCard* FirstWhere(const std::vector<TCard*>& cards, Pred pred)
{
    for (auto it = cards.rbegin(); it != cards.rend(); ++it)
        if (!(*it)->Empty() && pred(**it))
            return *it;
    return nullptr;
}

} // namespace

TCard* TPile::LowestOfSuit(TCardSuit suit) const
{
    return LowestWhere(cards, [suit](const TCard& c) { return c.Suit() == suit; });
}

TCard* TPile::LowestTrump() const { return LowestOfSuit(board.Trumps()); }

TCard* TPile::LowestNonTrump() const
{
    TCard* chosen = nullptr;
    for (TCardSuit suit : {Clubs, Diamonds, Hearts, Spades}) {
        if (suit == board.Trumps())
            continue;
        TCard* c = LowestOfSuit(suit);
        if (c && (!chosen || c->Rank() < chosen->Rank()))
            chosen = c;
    }
    return chosen ? chosen : LowestTrump();
}

TCard* TPile::CheapestBeater(const TCard& card) const
{
    TCard* beater = LowestWhere(cards, [&card](const TCard& c) {
        return !c.Moving && c.Suit() == card.Suit() && c.Rank() > card.Rank();
    });
    if (!beater && card.Suit() != board.Trumps())
        return LowestTrump();
    return beater;
}

TCard* TPile::FindByRank(int rank) const
{
    const TCardSuit trumps = board.Trumps();
    if (TCard* c = FirstWhere(cards, [&](const TCard& c) { return c.Rank() == rank && c.Suit() != trumps; }))
        return c;
    return FirstWhere(cards, [&](const TCard& c) { return c.Rank() == rank && c.Suit() == trumps; });
}
