#pragma once
#include "CardTypes.h"

#include <QPoint>
#include <QRect>
#include <array>
#include <vector>

class TBoard;
class TCard;

enum TPileOrientation : uint8_t { poLine, poEllipse, poHeap, poNone };
enum TShowCards : uint8_t { scDefault, scFace, scBack };
enum TPileSort : uint8_t { psUnsorted, psTrumpsFirst, psTrumpsLast };

// An ordered set of cards sharing one place on the board: index 0 is the bottom card.
// The pile lays its cards out, decides which faces show and answers strength queries.
// Created and destroyed only by its board.
class TPile : public TMoveRecord {
public:
    TPile(const TPile&) = delete;
    TPile& operator=(const TPile&) = delete;
    virtual ~TPile() = default;

    TBoard& Board() const { return board; }

    // Cards.
    const std::vector<TCard*>& Cards() const { return cards; }
    int Count() const { return static_cast<int>(cards.size()); }
    TCard* Card(int index) const { return cards.at(static_cast<size_t>(index)); }
    int IndexOf(const TCard* card) const;
    TCard* TopCard() const { return cards.empty() ? nullptr : cards.back(); }
    TCard* BottomCard() const { return cards.at(0); }

    void AddCard(TCard* card);
    void InsertCard(int index, TCard* card);
    TCard* RemoveCard(int index);
    void Shuffle();
    void SortCards();
    void Realign();
    // Gives an arriving card what the layout needs (heap scatter, a free place);
    // with nullptr every card of the pile, from the top down.
    virtual void PlaceCard(TCard* card);

    // Layout.
    QPoint CardPos(int index, int count = -1) const;
    void SetPos(int newX, int newY);
    void InvalidatePile() const;
    QRect Area() const;
    double Progress() const;

    // Strength queries; scans run from the top card down.
    TCard* LowestOfSuit(TCardSuit suit) const;
    TCard* LowestTrump() const;
    TCard* LowestNonTrump() const;
    TCard* CheapestBeater(const TCard& card) const;
    TCard* FindByRank(int rank) const;

    // Properties.
    TPileOrientation Orientation() const { return orientation; }
    void SetOrientation(TPileOrientation v);
    int PileW() const { return pileW; }
    void SetPileW(int v);
    int PileH() const { return pileH; }
    void SetPileH(int v);
    int X() const { return x; }
    void SetX(int v);
    int Y() const { return y; }
    void SetY(int v);
    int AllocBy() const { return allocBy; }
    void SetAllocBy(int v);
    int AllocW() const { return allocW; }
    void SetAllocW(int v);
    int AllocH() const { return allocH; }
    void SetAllocH(int v);
    bool ShowBottom() const { return showBottom; }
    void SetShowBottom(bool v);
    bool ShowTop() const { return showTop; }
    void SetShowTop(bool v);
    TShowCards ShowCards() const { return showCards; }
    void SetShowCards(TShowCards v);
    TPileSort Sort() const { return sort; }
    void SetSort(TPileSort v);
    int Width() const { return width; }
    void SetWidth(int v);
    int Height() const { return height; }
    void SetHeight(int v);
    bool AutoTight() const { return autoTight; }
    void SetAutoTight(bool v);
    bool FillFreePlaces() const { return fillFreePlaces; }
    void SetFillFreePlaces(bool v) { fillFreePlaces = v; }

    // Where removed cards lay, kept as 16-bit coordinates; refilled last in, first out.
    std::vector<QPoint> FreePlaces;

protected:
    friend class TBoard;
    explicit TPile(TBoard& owner) : board(owner) {}

private:
    template <typename T> void SetAndRealign(T& field, T value);
    void Attach(TCard* card);
    QPoint LinePos(int index, int offsetX, int offsetY) const;
    QPoint SqueezeIntoBox(QPoint p) const;
    std::array<int, 4> SuitKeys() const;

    TBoard& board;
    std::vector<TCard*> cards;
    int pileW = 16;
    int pileH = 0;
    TPileOrientation orientation = poLine;
    int y = 0;
    int x = 0;
    int allocBy = 1;
    int allocW = 0;
    int allocH = 0;
    bool showBottom = false;
    TShowCards showCards = scDefault;
    TPileSort sort = psUnsorted;
    int height = 100;
    int width = 320;
    bool autoTight = false;
    bool showTop = false;
    bool fillFreePlaces = false;
};
