#pragma once
#include "MoverZelmo.h"
#include "ScriptedGameOver.h"

#include <QObject>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using TNames = std::vector<std::string>;
using TPosted = std::vector<int>;

// A position: the hands in order, the table as attack/cover pairs (an empty cover leaves a
// placeholder) and how many cards the deck keeps; the rest is discarded.
struct TLayout {
    std::vector<const char*> Cpu, Human;
    std::vector<std::pair<const char*, const char*>> Table = {};
    int DeckLeft = 20;
};

// A Mover game on a board of the main window's game size, on the manual clock, Spades
// trumps. States run one at a time: what a state posts is recorded and not run, so a test follows the game
// step by step.
class TMoverFixture : public ::testing::Test {
protected:
    TMoverFixture();
    ~TMoverFixture() override;

    // A card by name, value then suit: "TH" is the Ten of Hearts.
    TCard* C(const std::string& name) const;
    static std::string Name(const TCard* card);
    static TNames Names(const TPile& pile);

    // Every card back into the deck, then the layout dealt out by hand.
    void Lay(const TLayout& layout);
    void Trumps(TCardSuit suit) { game.Board->SetTrumps(suit); }

    // Runs one state to its end (all its moves finished); returns what it posted.
    TPosted Run(int state);
    // Runs a state that must stop to wait for input.
    void Arm(int state);
    // Clicks the card (or board point) while input is armed and runs the state's second
    // pass; returns what that posted.
    TPosted Click(const TCard* card, int button = mbLeft);
    TPosted ClickAt(int x, int y, int button = mbLeft);

    QObject owner;
    TMover game{&owner};
    TScriptedGameOver answers;
    TPosted posted;

private:
    class TStateCatcher;
    TStateCatcher* catcher;
    TGameOverQuestionScope answering{&answers};
};
