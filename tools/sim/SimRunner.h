#pragma once
#include "ScriptedGameOver.h"
#include "SimOptions.h"
#include "SimTrace.h"
#include "SimVariants.h"

#include <QObject>
#include <string>

// Plays the requested games one after another on one game object: autoplay for the
// human, "Play again!" after every game but the last, "Close" after the last. Checks
// after every state step and every move that 36 real cards lie in piles.
class TSimRunner : public QObject {
public:
    TSimRunner(const TSimOptions& options, TSimTrace& trace);
    // The exit status: 0 when every game ended with a result.
    int Run();

    static constexpr int MaxStepsPerGame = 10000;

protected:
    bool event(QEvent* e) override;

private:
    void BeforeState(TZelmoGame& game, int state);
    void AfterState(TZelmoGame& game, int state);
    void CardMoved(const TCard& card, const TPile* from);
    void PileMoved(const TPile& pile, int x, int y);
    void CheckCards();
    void Fail(const std::string& message);
    std::string PileName(const TPile* pile) const;
    void PrintSummary(double seconds) const;

    const TSimOptions& options;
    TSimTrace& trace;
    TSimGame sim;
    TScriptedGameOver answers;
    int gameNumber = 0;
    int steps = 0; // of the current game
    long totalSteps = 0;
    int moves = 0; // of the current game
    int results[3] = {0, 0, 0};
    int finished = 0;
    bool ended = false;
    std::string failure;
};
