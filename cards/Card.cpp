#include "Card.h"

#include "Board.h"
#include "Pile.h"

#include <algorithm>

void TCard::SetPile(TPile* newPile)
{
    if (newPile == pile)
        return;
    if (newPile)
        newPile->AddCard(this);
    else
        pile->RemoveCard(CardIndex());
}

int TCard::CardIndex() const { return pile ? pile->IndexOf(this) : -1; }

int TCard::Rank() const { return board.RankOf(value); }

void TCard::SetValue(TCardValue v)
{
    if (v == value)
        return;
    value = v;
    if (pile)
        pile->SortCards();
    if (showCard)
        InvalidateCard();
}

void TCard::SetSuit(TCardSuit s)
{
    if (s == suit)
        return;
    suit = s;
    if (pile)
        pile->SortCards();
    if (showCard)
        InvalidateCard();
}

void TCard::SetBack(TCardBack b)
{
    if (b == back)
        return;
    back = b;
    if (!showCard)
        InvalidateCard();
}

void TCard::SetShowCard(bool on)
{
    if (on == showCard)
        return;
    showCard = on;
    InvalidateCard();
}

void TCard::SetSelectedCard(bool on)
{
    if (on == selected)
        return;
    selected = on;
    if (showCard)
        InvalidateCard();
}

void TCard::SetEmpty(bool on)
{
    if (on == empty)
        return;
    empty = on;
    InvalidateCard();
}

void TCard::SetMarked(bool on)
{
    if (on == marked)
        return;
    // Repaint while the mark strip still counts, so switching off clears it.
    if (on) {
        marked = on;
        InvalidateCard();
    } else {
        InvalidateCard();
        marked = on;
    }
}

void TCard::SetPos(int newX, int newY)
{
    if (newX == x && newY == y)
        return;
    InvalidateCard();
    x = newX;
    y = newY;
    InvalidateCard();
}

QRect TCard::Area() const
{
    const int top = marked ? y - MarkHeight : y;
    return QRect(QPoint(x, top), QPoint(x + CardWidth - 1, y + CardHeight - 1));
}

void TCard::InvalidateCard() const { board.InvalidateRect(Area()); }

double TCard::Progress() const
{
    const auto& queue = board.MovingCards();
    if (std::find(queue.begin(), queue.end(), this) == queue.end())
        return 1.0;
    return MoveProgress(*this, x, y);
}
