#pragma once
#include "GameInvariants.h"
#include "ScriptedGameOver.h"
#include "SimOptions.h"
#include "SimTrace.h"
#include "SimVariants.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>

// Plays the requested games one after another on one game object: autoplay for the
// human, "Play again!" after every game but the last, "Close" after the last. Checks
// after every move that 36 real cards lie in piles, and the same, or with --check every
// invariant, after every state step.
class TSimRunner : public QObject {
public:
    TSimRunner(const TSimOptions& options, TSimTrace& trace);
    // The exit status: 0 when every game ended with a result.
    int Run();

    static constexpr int MaxStepsPerGame = 10000;

    // What made the run fail, empty while nothing did.
    const std::string& Failure() const { return failure; }
    // Runs after each state step of a game, right before the checks (tests break the
    // table here): the game, its number and the step's number within it.
    std::function<void(TVariantGame& game, int gameNumber, int step)> BeforeCheck;

protected:
    bool event(QEvent* e) override;

private:
    void BeforeState(TZelmoGame& game, int state);
    void AfterState(TZelmoGame& game, int state);
    void CardMoved(const TCard& card, const TPile* from);
    void PileMoved(const TPile& pile, int x, int y);
    // Fails with the finding, if there is one, naming the game and step.
    void Report(const std::string& finding, const std::string& when);
    void Fail(const std::string& message);
    std::string PileName(const TPile* pile) const;
    void PrintSummary(double seconds) const;

    const TSimOptions& options;
    TSimTrace& trace;
    TSimGame sim;
    std::unique_ptr<TGameInvariants> invariants;
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
