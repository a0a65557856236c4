#pragma once
#include "AnimationTime.h"
#include "Clock.h"
#include "GameArea.h"
#include "Messages.h"
#include "ScriptedGameOver.h"
#include "ZelmoGame.h"

#include <QCoreApplication>
#include <QObject>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using TNames = std::vector<std::string>;
using TPosted = std::vector<int>;

// Keeps posted states from running: records and swallows them.
class TStateCatcher : public QObject {
public:
    explicit TStateCatcher(TPosted& posted) : posted(posted) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (static_cast<int>(e->type()) != WM_GAMESTATE)
            return false;
        posted.push_back(static_cast<int>(static_cast<TMessage*>(e)->WParam));
        return true;
    }

private:
    TPosted& posted;
};

// A game of one variant on a board of the main window's game size, on the manual clock,
// Spades trumps. States run one at a time: what a state posts is recorded and not run,
// so a test follows the game step by step.
template <class TGame> class TGameFixture : public ::testing::Test {
protected:
    TGameFixture()
    {
        Clock::SetManual(true);
        SetAnimationTime(250);
        game.resize(GameAreaWidth, GameAreaHeight);
        game.Init(nullptr);
        game.Board->SetTrumps(Spades);
        game.installEventFilter(&catcher);
    }
    ~TGameFixture() override { Clock::SetManual(false); }

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
        if (!card)
            return "none";
        if (card->Empty())
            return "--";
        return {"A23456789TJQK"[card->Value()], "CDHS"[card->Suit()]};
    }
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
        for (TPile* pile : game.Board->Piles()) {
            if (pile == game.Deck)
                continue;
            while (TCard* card = pile->TopCard()) {
                if (card->Empty())
                    game.Board->DestroyCard(card);
                else
                    game.Deck->AddCard(card);
            }
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

    QObject owner;
    TGame game{&owner};
    TScriptedGameOver answers;
    TPosted posted;
    TStateCatcher catcher{posted};

private:
    TGameOverQuestionScope answering{&answers};
};
