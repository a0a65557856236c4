#pragma once
#include "ZelmoGame.h"

#include <initializer_list>

// How long a state waits after starting a card's move.
enum class TWait { None, HalfWay, Arrived };

// Card moves of a game and the polling waits that follow them. Every call that waits
// returns false once the game has been stopped: the state routine must then return
// at once and post nothing.
class TCardMoves {
public:
    explicit TCardMoves(TZelmoGame& game) : game(game) {}

    // To the end of a pile.
    bool Move(TCard* card, TPile* to, int duration, TWait wait);
    // Into the slot of the card at index, which is destroyed.
    bool Replace(TCard* card, TPile* to, int index, int duration, TWait wait);

    bool WaitForCard(const TCard& card, double progress);
    bool WaitForPile(const TPile& pile, double progress);
    bool WaitForBoard();

    // Every card of the piles back into deck, each pile from its top card down;
    // placeholders are destroyed. A third of the animation time each, overlapping.
    bool Gather(TPile* deck, std::initializer_list<TPile*> piles);
    // The top count cards of from (as many as it has) into to, one by one from the top,
    // each starting when the one before is half-way; then waits for the board.
    bool MoveTop(TPile* from, TPile* to, int count, int duration);
    // Deck's top cards into hand while it holds fewer than size cards.
    bool Refill(TPile* deck, TPile* hand, int size, TWait wait);

    TZelmoGame& Game() const { return game; }

private:
    bool WaitAfter(const TCard& card, TWait wait);
    bool Go() const { return !game.Stopped; }

    TZelmoGame& game;
};
