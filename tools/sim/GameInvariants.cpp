#include "GameInvariants.h"

#include "SimTrace.h"

#include <algorithm>
#include <set>

namespace {

std::string Name(const TCard& card) { return TSimTrace::CardName(card); }

template <typename T> bool Contains(const std::vector<T*>& list, const T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

TGameInvariants::TGameInvariants(const TVariantGame& game, std::string variant)
    : game(game), variant(std::move(variant)), names(game.PileNames())
{
}

std::string TGameInvariants::PileName(const TPile* pile) const
{
    if (!pile)
        return "no pile";
    for (const auto& [named, name] : names)
        if (named == pile)
            return name;
    return "an unnamed pile";
}

std::string TGameInvariants::CheckCards() const
{
    const TBoard& board = *game.Board;
    std::set<std::pair<int, int>> seen;
    int real = 0;
    for (const TCard* card : board.Cards()) {
        if (card->Empty())
            continue;
        ++real;
        const TPile* pile = card->Pile();
        if (!pile)
            return "card " + Name(*card) + " lies in no pile";
        const auto listed = std::count(pile->Cards().begin(), pile->Cards().end(), card);
        if (listed != 1)
            return "card " + Name(*card) + " is listed " + std::to_string(listed) + " times by " +
                   PileName(pile);
        if (!seen.insert({card->Suit(), card->Value()}).second)
            return "card " + Name(*card) + " is on the board twice";
    }
    // A pile that lists a card lying elsewhere would put that card in two piles.
    for (const TPile* pile : board.Piles())
        for (const TCard* card : pile->Cards())
            if (card->Pile() != pile)
                return "card " + Name(*card) + " is listed by " + PileName(pile) + " but lies in " +
                       PileName(card->Pile());
    if (real != DeckSize)
        return std::to_string(real) + " real cards on the board, not " + std::to_string(DeckSize);
    return {};
}

std::string TGameInvariants::CheckPlaceholders() const
{
    const TPile* pairs = game.PairPile();
    for (const TCard* card : game.Board->Cards()) {
        if (!card->Empty())
            continue;
        const TPile* pile = card->Pile();
        if (!pile || pile != pairs)
            return "a placeholder lies in " + PileName(pile) +
                   (pairs ? ", not in " + PileName(pairs) : ", and " + variant + " has no pairs");
        const int index = pile->IndexOf(card);
        if (index < 1 || index % 2 == 0 || pile->Card(index - 1)->Empty())
            return "the placeholder at " + PileName(pile) + " index " + std::to_string(index) +
                   " is not right behind an attack card";
    }
    return {};
}

std::string TGameInvariants::CheckPairs() const
{
    const TPile* pairs = game.PairPile();
    if (pairs && pairs->Count() % 2 != 0)
        return PileName(pairs) + " holds an odd number of cards (" +
               std::to_string(pairs->Count()) + "), not whole pairs";
    return {};
}

std::string TGameInvariants::CheckMoving() const
{
    const std::vector<TCard*>& queue = game.Board->MovingCards();
    for (const TCard* card : game.Board->Cards()) {
        const bool queued = Contains(queue, card);
        if (card->Moving && !queued)
            return "card " + Name(*card) + " is Moving while " +
                   (queue.empty() ? "the move queue is empty" : "not in the move queue");
        if (queued && !card->Moving)
            return "card " + Name(*card) + " is in the move queue but not Moving";
    }
    return {};
}

std::string TGameInvariants::CheckState() const
{
    if (!game.IsState(game.State))
        return "State " + std::to_string(game.State) + " is not a state of " + variant;
    return {};
}

std::string TGameInvariants::CheckAll() const
{
    // In this order, each check relying on those before it.
    using TCheck = std::string (TGameInvariants::*)() const;
    for (TCheck check : {&TGameInvariants::CheckCards, &TGameInvariants::CheckPlaceholders,
                         &TGameInvariants::CheckPairs, &TGameInvariants::CheckMoving,
                         &TGameInvariants::CheckState})
        if (std::string finding = (this->*check)(); !finding.empty())
            return finding;
    return {};
}
