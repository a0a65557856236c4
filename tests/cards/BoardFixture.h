#pragma once
// Shared helpers of the card-table tests: a board that records its repaint requests,
// shorthand for cards and piles, pixel access, and the manual clock.
#include "Board.h"
#include "Clock.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Records every rectangle the board is asked to repaint, then passes it on.
class TRecordingBoard : public TBoard {
public:
    using TBoard::TBoard;
    void InvalidateRect(const QRect& rect) override
    {
        Invalidated.push_back(rect);
        TBoard::InvalidateRect(rect);
    }
    std::vector<QRect> Invalidated;
};

// The 71 x 96 rectangle of a card at (x, y).
inline QRect CardRect(int x, int y) { return QRect(x, y, 71, 96); }

// RGB of a pixel without the alpha byte.
inline QRgb Px(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }
inline QRgb Inverted(QRgb c) { return ~c & 0xFFFFFFu; }
inline QPoint Pos(const TCard* c) { return {c->X(), c->Y()}; }

// One letter per card: its suit, or its value.
inline std::string Letters(const TPile& pile, bool suits = false)
{
    std::string s;
    for (const TCard* c : pile.Cards())
        s += suits ? "CDHS"[c->Suit()] : "A23456789TJQK"[c->Value()];
    return s;
}

inline std::vector<QPoint> Positions(const TPile& pile)
{
    std::vector<QPoint> out;
    for (const TCard* c : pile.Cards())
        out.push_back(Pos(c));
    return out;
}

class BoardTest : public ::testing::Test {
protected:
    TRecordingBoard board;

    TCard* NewCard(TCardValue value, TCardSuit suit, TPile* pile = nullptr, bool face = true)
    {
        return board.NewCard(pile, value, suit, face);
    }
    TPile* NewPile(TPileOrientation o, int x, int y, int pileW = 16, int pileH = 0)
    {
        return board.NewPile(o, x, y, pileW, pileH, 1, 0, 0);
    }
    TPile* NewLine(int x, int y, int pileW = 16) { return NewPile(poLine, x, y, pileW); }
    // Adds `count` cards Ace, Deuce, ... of Clubs, then Diamonds, ...
    TPile* Fill(TPile* pile, int count, bool face = true)
    {
        for (int i = 0; i < count; ++i)
            NewCard(TCardValue(i % 13), TCardSuit(i / 13 % 4), pile, face);
        return pile;
    }
    // Sizes the board and rebuilds its pictures at once (a hidden widget gets its
    // resize notification only when shown).
    void SizeBoard(int w, int h)
    {
        board.resize(w, h);
        board.RebuildBackground();
    }
    QImage ComposeAll()
    {
        board.Compose(board.rect());
        return board.ComposeImage();
    }
};

// Time stands still unless a test moves it; the real clock is back afterwards.
class ManualClockTest : public BoardTest {
protected:
    static constexpr uint32_t T0 = 100000;
    void SetUp() override
    {
        Clock::SetManual(true);
        Clock::SetTick(T0);
    }
    void TearDown() override { Clock::SetManual(false); }
    // Puts the clock at T0 + ms and runs one animation step.
    void StepAt(uint32_t ms)
    {
        Clock::SetTick(T0 + ms);
        board.AnimateCards();
        board.AnimatePiles();
    }
};
