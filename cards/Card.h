#pragma once
#include "CardTypes.h"

#include <QRect>

class TBoard;
class TPile;

// One card lying on a board, free or in a pile. Created and destroyed only by its board.
class TCard : public TMoveRecord {
public:
    TCard(const TCard&) = delete;
    TCard& operator=(const TCard&) = delete;

    TBoard& Board() const { return board; }
    TPile* Pile() const { return pile; }
    void SetPile(TPile* newPile);
    int CardIndex() const;
    int Rank() const;

    TCardValue Value() const { return value; }
    void SetValue(TCardValue v);
    TCardSuit Suit() const { return suit; }
    void SetSuit(TCardSuit s);
    TCardBack Back() const { return back; }
    void SetBack(TCardBack b);
    bool ShowCard() const { return showCard; }
    void SetShowCard(bool on);
    bool SelectedCard() const { return selected; }
    void SetSelectedCard(bool on);
    bool Empty() const { return empty; }
    void SetEmpty(bool on);
    bool Marked() const { return marked; }
    void SetMarked(bool on);

    int X() const { return x; }
    int Y() const { return y; }
    void SetX(int v) { SetPos(v, y); }
    void SetY(int v) { SetPos(x, v); }
    // Moves the card and repaints its old and new areas.
    void SetPos(int newX, int newY);
    // Moves the card without any repaint (animation bookkeeping and free places).
    void PlaceAt(int newX, int newY)
    {
        x = newX;
        y = newY;
    }
    // The area the card covers, reaching up over the mark while marked.
    QRect Area() const;
    void InvalidateCard() const;
    // How far the card's queued move has come (distance, not time); 1 when not queued.
    double Progress() const;

    int HeapOffsetX = 0;
    int HeapOffsetY = 0;
    bool FillsFreePlace = true;

private:
    friend class TBoard;
    friend class TPile;
    explicit TCard(TBoard& owner) : board(owner) {}

    TBoard& board;
    TPile* pile = nullptr;
    int x = 0;
    int y = 0;
    bool marked = false;
    TCardBack back = 0;
    TCardValue value = Ace;
    TCardSuit suit = Clubs;
    bool showCard = false;
    bool selected = false;
    bool empty = false;
};
