#pragma once
#include "GameOver.h"
#include "ScriptedGameOver.h"
#include "UMain.h"

#include <QStringList>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The English status texts of every state of every variant.
QStringList VariantStatusTexts();

// Pumps messages while the condition holds, for a bounded number of passes.
void PumpWhile(const std::function<bool()>& condition);

// The program's main window over the real variants on the manual clock: "End current
// game?" is answered yes, and a finished game closed from a scripted game-over box.
class ProgramWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A new window in place of the old one.
    void NewWindow();
    // Chooses the kind and starts it alone: its first state waits in the queue.
    TZelmoGame* StartGame(int kind);
    // Shows the window, clicks the kind's name label, starts that game on the seed given
    // (the window seeds from the time of day) and waits for the first turn; the game, or
    // none.
    TZelmoGame* StartFromLabel(int kind, uint32_t seed);
    // Ends the game, if one runs, and waits until it has gone.
    void EndTheGame();
    // Waits until the game wants the player's move (or has gone); false when it has gone.
    bool AwaitTurn();
    // One move as a player makes it: a click on the card the hint names, with the button
    // the hint asks for, or on the bare table when it names none; the press must land on
    // that very card and be taken as a move. Then waits for the next turn. Shown maps a
    // table point to the board point where it shows, when the two differ.
    void ClickHintedCard(const std::function<QPoint(QPointF)>& shown = {});

    std::unique_ptr<TFMain> window;
    TScriptedGameOver answers;
    TGameOverQuestionScope answering{&answers};
};

// The real game-over box over a window: once it is up, its picture is saved under the
// name given, then "Close" is clicked. It must go before
// the window, which owns the box.
class TClosingGameOver {
public:
    TClosingGameOver(TFMain& window, std::function<QString()> shotName);
    int Shown = 0;
    QString Result;     // the result line of the last box
    QString StatusLine; // the window's status line while it was up

private:
    TFGameOver box;
    TGameOverQuestionScope scope{&box};
    QTimer timer;
};
