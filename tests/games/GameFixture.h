#pragma once
#include "AnimationTime.h"
#include "Artifacts.h"
#include "Clock.h"
#include "GameArea.h"
#include "HeapZelmo.h"
#include "Messages.h"
#include "MoverZelmo.h"
#include "RoundZelmo.h"
#include "ScriptedGameOver.h"
#include "ZelmoGame.h"

#include <QCoreApplication>
#include <QObject>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using TNames = std::vector<std::string>;
using TPosted = std::vector<int>;

// A game of one variant on a board of the main window's game size, on a plain felt (for
// the pictures saved, and so that a check can tell a drawn card from the table), on the
// manual clock, Spades trumps. States run one at a time: what a state posts is recorded
// and not run, so a test follows the game step by step.
template <class TGame> class TGameFixture : public ::testing::Test, public QObject {
protected:
    TGameFixture()
    {
        Clock::SetManual(true);
        SetAnimationTime(250);
        game.resize(GameAreaWidth, GameAreaHeight);
        game.Init(nullptr);
        game.Board->SetTrumps(Spades);
        game.Board->SetColor(Felt);
        game.Board->RebuildBackground();
        game.installEventFilter(this);
    }
    ~TGameFixture() override { Clock::SetManual(false); }
    // Records and swallows the posted states.
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (static_cast<int>(e->type()) != WM_GAMESTATE)
            return false;
        posted.push_back(static_cast<int>(static_cast<TMessage*>(e)->WParam));
        return true;
    }

    // A card by name, value then suit: "TH" is the Ten of Hearts.
    TCard* C(const std::string& name) const
    {
        for (TCard* card : game.Board->Cards())
            if (Name(card) == name)
                return card;
        ADD_FAILURE() << "no card " << name;
        return nullptr;
    }
    static std::string Name(const TCard* card)
    {
        if (!card || card->Empty())
            return card ? "--" : "none";
        return {"A23456789TJQK"[card->Value()], "CDHS"[card->Suit()]};
    }
    // Where the card's centre lies.
    static QPoint Centre(const TCard* card) { return {card->X() + 35, card->Y() + 48}; }
    static TNames Names(const TPile& pile, bool markedOnly = false)
    {
        TNames names;
        for (const TCard* card : pile.Cards())
            if (!markedOnly || card->Marked())
                names.push_back(Name(card));
        return names;
    }
    static TNames Marked(const TPile& pile) { return Names(pile, true); }

    // A new position: nothing armed, every real card back in the deck, no placeholder.
    void GatherAll()
    {
        game.Waiting = false;
        for (TPile* pile : game.Board->Piles())
            while (TCard* card = pile != game.Deck ? pile->TopCard() : nullptr) {
                if (card->Empty())
                    game.Board->DestroyCard(card);
                else
                    game.Deck->AddCard(card);
            }
    }
    void Put(TPile* pile, const std::vector<const char*>& names)
    {
        for (const char* name : names)
            pile->AddCard(C(name));
    }
    // Every card back into the deck, stacked so that they are dealt in the order given.
    void StackDeck(const std::vector<const char*>& dealOrder)
    {
        GatherAll();
        for (auto it = dealOrder.rbegin(); it != dealOrder.rend(); ++it)
            game.Deck->AddCard(C(*it)); // a deck card added again goes to the top
    }
    // Attack/cover pairs onto the table; an empty cover leaves a placeholder.
    void PutPairs(TPile* table, const std::vector<std::pair<const char*, const char*>>& pairs)
    {
        for (const auto& [attack, cover] : pairs) {
            table->AddCard(C(attack));
            if (*cover)
                table->AddCard(C(cover));
            else
                game.Board->NewCard(table, Ace, Clubs, false)->SetEmpty(true);
        }
    }
    // The deck keeps its bottom count cards; the rest go aside.
    void KeepInDeck(int count, TPile* aside)
    {
        while (game.Deck->Count() > count)
            aside->AddCard(game.Deck->TopCard());
    }

    // Runs one state to its end (all its moves finished); returns what it posted.
    TPosted Run(int state)
    {
        posted.clear();
        game.RunState(state);
        // Let the last moves land, as the next state would before it looks at them.
        while (game.Board->MovingCount() > 0 || !game.Board->MovingPiles().empty())
            game.ProcessMessages();
        QCoreApplication::sendPostedEvents(&game, WM_GAMESTATE);
        return posted;
    }
    // Runs a state that must stop to wait for input.
    void Arm(int state)
    {
        ASSERT_EQ(Run(state), TPosted{});
        ASSERT_TRUE(game.Waiting);
    }
    // Clicks the board point while input is armed and runs the state's second pass;
    // returns what that posted.
    TPosted ClickAt(int x, int y, int button = mbLeft)
    {
        EXPECT_TRUE(game.Waiting) << "input is not armed";
        posted.clear();
        game.BoardMouseDown(*game.Board, button, {}, x, y);
        QCoreApplication::sendPostedEvents(&game, WM_GAMESTATE);
        EXPECT_EQ(posted, TPosted{stInput});
        // 94 runs the current state again from its start.
        EXPECT_EQ(Run(stInput), TPosted{game.State});
        return Run(game.State);
    }
    TPosted Click(const TCard* card, int button = mbLeft)
    {
        EXPECT_EQ(game.Board->CardAt(card->X() + 2, card->Y() + 2), card) << "card cannot be hit";
        return ClickAt(card->X() + 2, card->Y() + 2, button);
    }

    static inline const QColor Felt{0, 96, 48};
    QObject owner;
    TGame game{&owner};
    TScriptedGameOver answers;
    TPosted posted;

private:
    TGameOverQuestionScope answering{&answers};
};

// A position: the hands in order, the table as attack/cover pairs (an empty cover leaves a
// placeholder) and how many cards the deck keeps; the rest is discarded.
struct TLayout {
    std::vector<const char*> Cpu, Human;
    std::vector<std::pair<const char*, const char*>> Table = {};
    int DeckLeft = 20;
};

class TMoverFixture : public TGameFixture<TMover> {
protected:
    // Every card back into the deck, then the layout dealt out by hand.
    void Lay(const TLayout& layout)
    {
        GatherAll();
        Put(game.CpuHand, layout.Cpu);
        Put(game.HumanHand, layout.Human);
        PutPairs(game.Table, layout.Table);
        KeepInDeck(layout.DeckLeft, game.Discard);
    }
};

// A Heap position: the hands in order, the heap from the bottom card up and how many
// cards the deck keeps; the rest lie aside, off the board's piles of play.
struct THeapLayout {
    std::vector<const char*> Cpu, Human, Heap = {};
    int DeckLeft = 20;
};

class THeapFixture : public TGameFixture<THeap> {
protected:
    void Lay(const THeapLayout& layout)
    {
        GatherAll();
        Put(game.CpuHand, layout.Cpu);
        Put(game.HumanHand, layout.Human);
        Put(game.Table, layout.Heap);
        KeepInDeck(layout.DeckLeft, aside);
    }

    TPile* aside = game.Board->NewPile(poNone, -400, -400, 0, 0, 1, 0, 0);
};

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
    // Where the centre of card k of n evenly spread cards lies on the circle's ellipse:
    // the first at the bottom, the others clockwise.
    QPoint RingPlace(int k, int n) const
    {
        const TPile& ring = *game.Circle;
        const double angle = k * 2 * M_PI / n + M_PI / 2;
        return {int(std::lround(std::cos(angle) * ring.PileW())) + ring.X(),
                int(std::lround(std::sin(angle) * ring.PileH())) + ring.Y()};
    }

    TPile* aside = game.Board->NewPile(poLine, -400, -400, 0, 0, 1, 0, 0);
};
