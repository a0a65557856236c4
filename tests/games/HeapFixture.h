#pragma once
#include "GameFixture.h"
#include "HeapZelmo.h"

// A Heap position: the hands in order, the heap from the bottom card up and how many
// cards the deck keeps; the rest lie aside, off the board's piles of play.
struct THeapLayout {
    std::vector<const char*> Cpu, Human, Heap = {};
    int DeckLeft = 20;
};

class THeapFixture : public TGameFixture<THeap> {
protected:
    THeapFixture() { aside = game.Board->NewPile(poNone, -400, -400, 0, 0, 1, 0, 0); }

    void Lay(const THeapLayout& layout)
    {
        GatherAll();
        Put(game.CpuHand, layout.Cpu);
        Put(game.HumanHand, layout.Human);
        Put(game.Table, layout.Heap);
        KeepInDeck(layout.DeckLeft, aside);
    }
    // Stacks the deck so that the cards are dealt in the order given.
    void StackDeck(const std::vector<const char*>& dealOrder)
    {
        GatherAll();
        for (auto it = dealOrder.rbegin(); it != dealOrder.rend(); ++it)
            game.Deck->AddCard(C(*it)); // AddCard of a deck card moves it to the top
    }

    TPile* aside = nullptr;
};
