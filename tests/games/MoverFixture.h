#pragma once
#include "MoverZelmo.h"
#include "ScriptedGameOver.h"

#include <QObject>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// A Mover game on a board of the main window's game size, on the manual clock, with
// hands and table laid out by hand. States run one at a time: what a state posts is
// recorded and not run, so a test follows the game step by step.
class TMoverFixture : public ::testing::Test {
protected:
    TMoverFixture();
    ~TMoverFixture() override;

    // A card by name, value then suit: "TH" is the Ten of Hearts.
    TCard* C(const std::string& name) const;
    std::vector<TCard*> Cs(std::initializer_list<const char*> names) const;
    static std::string Name(const TCard* card);
    static std::vector<std::string> Names(const TPile& pile);

    // Every card back into the deck, the table cleared; then the named cards into the
    // hands, in the order given; the deck keeps deckLeft cards, the rest is discarded.
    void Lay(std::initializer_list<const char*> cpu, std::initializer_list<const char*> human,
             int deckLeft = 20);
    // Pairs onto the table: an empty cover leaves a placeholder.
    void TableUp(std::initializer_list<std::pair<const char*, const char*>> pairs);
    void Trumps(TCardSuit suit) { game.Board->SetTrumps(suit); }

    // Runs one state to its end (all its moves finished); returns what it posted.
    std::vector<int> Run(int state);
    // Clicks the card (or board point) while input is armed and runs the state's second
    // pass; returns what that posted.
    std::vector<int> Click(const TCard* card, int button = mbLeft);
    std::vector<int> ClickAt(int x, int y, int button = mbLeft);

    QObject owner;
    TMover game{&owner};
    TScriptedGameOver answers;
    std::vector<int> posted;

private:
    class TStateCatcher;
    TStateCatcher* catcher;
    TGameOverQuestionScope answering{&answers};
};
