#include "GameTally.h"

#include <QCoreApplication>

#include "GameOverStep.h"
#include "ZelmoGame.h"

namespace {

bool IsGameOver(int state) { return state == stHumanWins || state == stCpuWins || state == stDraw; }

} // namespace

TGameTally::TGameTally(TStatisticsStore store, TCounted counted)
    : store(std::move(store)), counted(std::move(counted))
{
}

void TGameTally::Watch(TZelmoGame& game, const QString& name)
{
    variant = name;
    cpuPlayer = game.CpuPlayer;
    watching = true;
    playerMoved = finished = pickByPlayer = wasWaiting = false;
    game.OnBeforeState = [this](TZelmoGame& g, int state) { BeforeState(g, state); };
    game.OnAfterState = [this](TZelmoGame& g, int state) { AfterState(g, state); };
}

void TGameTally::BeforeState(const TZelmoGame& game, int state)
{
    if (state == stNewGame) {
        // "Play again!": a new game of the same variant starts from nothing.
        if (finished)
            playerMoved = finished = false;
        // Each deal takes up the computer player, as the game itself does.
        cpuPlayer = game.CpuPlayer;
    } else if (state == stInput) {
        // Autoplay picks the moment the game waits, so a pick made while it is off is
        // the player's click.
        pickByPlayer = !game.Autoplay;
    } else if (IsGameOver(state) && !finished) {
        finished = true;
        if (playerMoved)
            Count([state](TPlayerRecord& r) { r.CountResult(GameResultOf(state)); });
    }
    wasWaiting = game.Waiting;
}

void TGameTally::AfterState(const TZelmoGame& game, int state)
{
    // The state that read a pick stops waiting when it accepts it as a move; a card
    // the rules refuse leaves it waiting for another.
    if (state != stInput && wasWaiting && !game.Waiting && pickByPlayer)
        playerMoved = true;
    if (state != stInput)
        pickByPlayer = false;
}

void TGameTally::GameEnded()
{
    if (watching && playerMoved && !finished)
        Count([](TPlayerRecord& r) { r.CountAbandoned(); });
    watching = false;
    finished = true;
}

void TGameTally::Count(const std::function<void(TPlayerRecord&)>& change)
{
    const QString name = TStatisticsStore::RecordName(variant, cpuPlayer);
    TPlayerRecord record = store.Load(name);
    change(record);
    if (!store.Save(name, record))
        TStatisticsStore::StandardError(
            QStringLiteral("Christmas Zelmo: could not write the statistics to %1").arg(name));
    if (!counted)
        return;
    // The stored name is also the source text of the name the player reads.
    const QString shown = QCoreApplication::translate("TGameKinds", qPrintable(variant));
    counted(cpuPlayer == cpStrong
                ? QCoreApplication::translate("TGameTally", "%1 (strong CPU)").arg(shown)
                : shown,
            record);
}
