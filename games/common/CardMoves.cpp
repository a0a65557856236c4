#include "CardMoves.h"

#include "AnimationTime.h"

bool TCardMoves::Move(TCard* card, TPile* to, int duration, TWait wait)
{
    game.Board->MoveCard(card, to, 0, false, duration, 0);
    return WaitAfter(*card, wait);
}

bool TCardMoves::Replace(TCard* card, TPile* to, int index, int duration, TWait wait)
{
    game.Board->MoveCard(card, to, index, true, duration, 0);
    return WaitAfter(*card, wait);
}

bool TCardMoves::WaitAfter(const TCard& card, TWait wait)
{
    switch (wait) {
    case TWait::HalfWay:
        return WaitForCard(card, 0.5);
    case TWait::Arrived:
        return WaitForCard(card, 1.0);
    case TWait::None:
        break;
    }
    return Go();
}

bool TCardMoves::WaitForCard(const TCard& card, double progress)
{
    while (card.Progress() < progress)
        if (game.ProcessMessages())
            return false;
    return Go();
}

bool TCardMoves::WaitForPile(const TPile& pile, double progress)
{
    while (pile.Progress() < progress)
        if (game.ProcessMessages())
            return false;
    return Go();
}

bool TCardMoves::WaitForBoard()
{
    while (game.Board->MovingCount() >= 1)
        if (game.ProcessMessages())
            return false;
    return Go();
}

bool TCardMoves::Gather(TPile* deck, std::initializer_list<TPile*> piles)
{
    const int duration = AnimationTime() / 3;
    for (TPile* pile : piles) {
        while (TCard* card = pile->TopCard()) {
            if (card->Empty()) {
                game.Board->DestroyCard(card);
                continue;
            }
            if (!Move(card, deck, duration, TWait::HalfWay))
                return false;
        }
    }
    return Go();
}

bool TCardMoves::MoveTop(TPile* from, TPile* to, int count, int duration)
{
    for (int i = 0; i < count && from->Count() > 0; ++i)
        if (!Move(from->TopCard(), to, duration, TWait::HalfWay))
            return false;
    return WaitForBoard();
}

bool TCardMoves::Refill(TPile* deck, TPile* hand, int size, TWait wait)
{
    while (hand->Count() < size && deck->Count() > 0)
        if (!Move(deck->TopCard(), hand, AnimationTime(), wait))
            return false;
    return Go();
}
