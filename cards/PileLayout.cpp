// Where a pile's cards lie, which faces show, and in which order.
#include "Board.h"
#include "Card.h"
#include "Pile.h"
#include "Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Rounds to the nearest integer, halves to even.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

} // namespace

QPoint TPile::LinePos(int index, int offsetX, int offsetY) const
{
    const int g = index / allocBy;
    const int j = index % allocBy;
    return {x + offsetX + g * pileW + j * allocW, y + offsetY + g * pileH + j * allocH};
}

// Squeezes a row that would overflow Width x Height so that its last card ends at the edge.
QPoint TPile::SqueezeIntoBox(QPoint p) const
{
    const int offset = showBottom ? 16 : 0;
    const QPoint last = LinePos(Count() - 1, offset, 0);
    const int lx = last.x() - x;
    const int ly = last.y() - y;
    if (lx + CardWidth > width && lx != 0)
        p.setX(RoundEven(double((p.x() - x) * (width - CardWidth)) / lx + x));
    if (ly + CardHeight > height && ly != 0)
        p.setY(RoundEven(double((p.y() - y) * (height - CardHeight)) / ly + y));
    return p;
}

QPoint TPile::CardPos(int index, int count) const
{
    if (count == -1)
        count = Count();
    const int b = showBottom ? 1 : 0;
    if (showBottom && index == 0)
        return {x, y};
    switch (orientation) {
    case poLine: {
        const QPoint p = LinePos(index - b, showBottom ? 16 : 0, 0);
        return autoTight ? SqueezeIntoBox(p) : p;
    }
    case poEllipse: {
        const int n = std::max((count - b) / allocBy, 1);
        const int k = (index - b) / allocBy;
        const int j = (index - b) % allocBy;
        const double theta = k * 2 * std::numbers::pi / n + std::numbers::pi / 2;
        return {RoundEven(std::cos(theta) * pileW) + x + j * allocW - 35,
                RoundEven(std::sin(theta) * pileH) + y + j * allocH - 48};
    }
    case poHeap: {
        const TCard* first = Card(index / allocBy * allocBy);
        const int j = index % allocBy;
        return {x + first->HeapOffsetX + j * allocW, y + first->HeapOffsetY + j * allocH};
    }
    case poNone: break;
    }
    return {};
}

void TPile::PlaceCard(TCard* card)
{
    if (!card) {
        for (int i = Count() - 1; i >= 0; --i)
            PlaceCard(cards[static_cast<size_t>(i)]);
        return;
    }
    if (orientation == poHeap) {
        // Three draws in this order: direction, then horizontal and vertical reach.
        const double a = Random(720) * 2 * std::numbers::pi / 720;
        card->HeapOffsetX = RoundEven(std::cos(a) * Random(pileW));
        card->HeapOffsetY = RoundEven(std::sin(a) * Random(pileH));
    } else if (orientation == poNone && fillFreePlaces && card->FillsFreePlace &&
               !FreePlaces.empty()) {
        card->PlaceAt(FreePlaces.back().x(), FreePlaces.back().y());
        FreePlaces.pop_back();
    }
}

void TPile::Realign()
{
    if (orientation == poNone)
        return;
    for (int i = 0; i < Count(); ++i) {
        TCard* card = cards[static_cast<size_t>(i)];
        if (card->Moving)
            continue;
        if (showCards != scDefault)
            card->SetShowCard(showCards == scFace);
        const QPoint p = CardPos(i, -1);
        card->SetPos(p.x(), p.y());
    }
    if (showBottom && !cards.empty() && !cards.front()->Moving)
        cards.front()->SetShowCard(true);
    if (showTop && !cards.empty() && !cards.back()->Moving)
        cards.back()->SetShowCard(true);
}

std::array<int, 4> TPile::SuitKeys() const
{
    const int t = board.Trumps();
    const auto key = [&](int s) {
        if (sort == psTrumpsFirst)
            return s == t ? 0 : (s < t ? s + 1 : s);
        return s == t ? 3 : (s < t ? s : s - 1);
    };
    std::array<int, 4> keys{key(Clubs), key(Diamonds), key(Hearts), key(Spades)};
    // Keep red and black alternating along the row.
    if (std::abs(keys[Hearts] - keys[Diamonds]) == 1) {
        if (t == Clubs)
            std::swap(keys[Spades], keys[Hearts]);
        else if (t == Spades)
            std::swap(keys[Clubs], keys[Diamonds]);
    }
    return keys;
}

void TPile::SortCards()
{
    if (sort != psUnsorted) {
        const std::array<int, 4> keys = SuitKeys();
        std::sort(cards.begin(), cards.end(), [&keys](const TCard* a, const TCard* b) {
            const int ka = keys[a->Suit()];
            const int kb = keys[b->Suit()];
            return ka != kb ? ka < kb : a->Rank() < b->Rank();
        });
    }
    Realign();
}
