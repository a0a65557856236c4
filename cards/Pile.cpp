#include "Pile.h"

#include "Board.h"
#include "Card.h"
#include "Errors.h"
#include "Random.h"

#include <algorithm>
#include <stdexcept>

int TPile::IndexOf(const TCard* card) const
{
    const auto it = std::find(cards.begin(), cards.end(), card);
    return it == cards.end() ? -1 : static_cast<int>(it - cards.begin());
}

void TPile::Attach(TCard* card)
{
    if (card->pile)
        card->pile->RemoveCard(card->CardIndex());
    card->pile = this;
    PlaceCard(card);
}

void TPile::AddCard(TCard* card)
{
    Attach(card);
    cards.push_back(card);
    SortCards();
}

void TPile::InsertCard(int index, TCard* card)
{
    // Refuse a bad index before the card leaves its old pile.
    const int room = Count() - (card->pile == this ? 1 : 0);
    if (index < 0 || index > room)
        throw std::out_of_range("TPile::InsertCard: index out of range");
    Attach(card);
    cards.insert(cards.begin() + index, card);
    SortCards();
}

TCard* TPile::RemoveCard(int index)
{
    TCard* card = Card(index);
    cards.erase(cards.begin() + index);
    card->pile = nullptr;
    if (fillFreePlaces && card->FillsFreePlace)
        FreePlaces.emplace_back(static_cast<int16_t>(card->X()), static_cast<int16_t>(card->Y()));
    Realign();
    return card;
}

void TPile::Shuffle()
{
    const int count = Count();
    for (int i = 0; i < count - 1; ++i) {
        const int j = Random(count);
        if (j == i)
            continue;
        TCard* card = cards[static_cast<size_t>(i)];
        cards.erase(cards.begin() + i);
        cards.insert(cards.begin() + j, card);
    }
    Realign();
}

void TPile::SetPos(int newX, int newY)
{
    if (newX == x && newY == y)
        return;
    InvalidatePile();
    x = newX;
    y = newY;
    InvalidatePile();
}

void TPile::SetX(int v)
{
    if (v == x)
        return;
    InvalidatePile();
    x = v;
    Realign();
    InvalidatePile();
}

void TPile::SetY(int v)
{
    if (v == y)
        return;
    InvalidatePile();
    y = v;
    Realign();
    InvalidatePile();
}

template <typename T> void TPile::SetAndRealign(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Realign();
}

void TPile::SetOrientation(TPileOrientation v) { SetAndRealign(orientation, v); }
void TPile::SetPileW(int v) { SetAndRealign(pileW, v); }
void TPile::SetPileH(int v) { SetAndRealign(pileH, v); }
void TPile::SetAllocW(int v) { SetAndRealign(allocW, v); }
void TPile::SetAllocH(int v) { SetAndRealign(allocH, v); }
void TPile::SetShowBottom(bool v) { SetAndRealign(showBottom, v); }
void TPile::SetShowTop(bool v) { SetAndRealign(showTop, v); }
void TPile::SetShowCards(TShowCards v) { SetAndRealign(showCards, v); }
void TPile::SetAutoTight(bool v) { SetAndRealign(autoTight, v); }
void TPile::SetWidth(int v) { SetAndRealign(width, std::max(v, CardWidth)); }
void TPile::SetHeight(int v) { SetAndRealign(height, std::max(v, CardHeight)); }

void TPile::SetAllocBy(int v)
{
    if (v == allocBy)
        return;
    if (v < 1)
        throw EPile("TPile.SetAllocBy: Cannot allocate by " + std::to_string(v));
    allocBy = v;
    Realign();
}

void TPile::SetSort(TPileSort v)
{
    if (v == sort)
        return;
    sort = v;
    SortCards();
}

QRect TPile::Area() const
{
    if (cards.empty())
        return {};
    if (orientation == poLine) {
        const TCard* top = cards.back();
        return QRect(QPoint(x, y), QPoint(top->X() + CardWidth - 1, top->Y() + CardHeight - 1));
    }
    // Groups spread further right and down by their within-group steps.
    const int spreadW = (allocBy - 1) * std::max(allocW, 0);
    const int spreadH = (allocBy - 1) * std::max(allocH, 0);
    return QRect(QPoint(x - pileW, y - pileH),
                 QPoint(x + pileW + CardWidth + spreadW - 1, y + pileH + CardHeight + spreadH - 1));
}

void TPile::InvalidatePile() const
{
    if (!cards.empty())
        board.InvalidateRect(Area());
}

double TPile::Progress() const
{
    const auto& queue = board.MovingPiles();
    if (std::find(queue.begin(), queue.end(), this) == queue.end())
        return 1.0;
    return MoveProgress(*this, x, y);
}
