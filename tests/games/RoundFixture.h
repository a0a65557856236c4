#pragma once
#include "GameFixture.h"
#include "RoundZelmo.h"

#include <cmath>
#include <utility>

// A Round position: the hands, the circle (spread evenly, then keeping its places), the
// table as attack/cover pairs (an empty cover leaves a placeholder) and the deck from its
// bottom card up; the rest lies aside, off the board's piles of play. The human's hand
// is sorted, as from the deal on.
struct TRoundLayout {
    std::vector<const char*> Cpu, Human, Circle = {}, Deck = {};
    std::vector<std::pair<const char*, const char*>> Table = {};
};

class TRoundFixture : public TGameFixture<TRound> {
protected:
    TRoundFixture() { aside = game.Board->NewPile(poLine, -400, -400, 0, 0, 1, 0, 0); }

    void Lay(const TRoundLayout& layout)
    {
        GatherAll();
        KeepInDeck(0, aside);
        Put(game.CpuHand, layout.Cpu);
        game.HumanHand->SetSort(psTrumpsLast);
        Put(game.HumanHand, layout.Human);
        game.Circle->SetOrientation(poEllipse);
        Put(game.Circle, layout.Circle);
        game.Circle->SetOrientation(poNone);
        game.Circle->FreePlaces.clear();
        PutPairs(game.Table, layout.Table);
        Put(game.Deck, layout.Deck);
    }
    // Where the card's centre lies.
    static QPoint Centre(const TCard* card) { return {card->X() + 35, card->Y() + 48}; }
    // Where the centre of card k of n evenly spread cards lies on the circle's ellipse:
    // the first at the bottom, the others clockwise.
    QPoint RingPlace(int k, int n) const
    {
        const TPile& ring = *game.Circle;
        const double angle = k * 2 * M_PI / n + M_PI / 2;
        return {int(std::lround(std::cos(angle) * ring.PileW())) + ring.X(),
                int(std::lround(std::sin(angle) * ring.PileH())) + ring.Y()};
    }

    TPile* aside = nullptr;
};
