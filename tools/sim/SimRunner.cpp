#include "SimRunner.h"

#include "AnimationTime.h"
#include "Clock.h"
#include "GameOverStep.h"
#include "Messages.h"
#include "Random.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {
// Outer loop passes without any state step before the game counts as stuck.
constexpr int MaxIdlePasses = 1000;

bool IsGameOver(int state) { return state >= stHumanWins && state <= stDraw; }
} // namespace

TSimRunner::TSimRunner(const TSimOptions& options, TSimTrace& trace)
    : options(options), trace(trace)
{
    answers.Answer = [this](int) {
        return gameNumber < this->options.Games ? goPlayAgain : goClose;
    };
}

int TSimRunner::Run()
{
    SetAnimationTime(options.AnimateTime);
    SetRandSeed(options.Seed);
    Clock::SetManual(true);
    TGameOverQuestionScope answering(&answers);

    std::string error;
    sim = CreateSimGame(options.Variant, this, error);
    if (!sim.Game) {
        std::fprintf(stderr, "zelmo-sim: %s\n", error.c_str());
        return 2;
    }
    invariants = std::make_unique<TGameInvariants>(*sim.Game, options.Variant);
    sim.Game->OnBeforeState = [this](TZelmoGame& game, int state) { BeforeState(game, state); };
    sim.Game->OnAfterState = [this](TZelmoGame& game, int state) { AfterState(game, state); };
    sim.Game->CpuPlayer = options.CpuPlayer;
    sim.Game->StrongPlayer().Budget = {options.Simulations, options.BudgetMs};
    TBoard& board = *sim.Game->Board;
    // The game watches its moves too: what its CPU may know of the human's hand.
    board.OnCardMoved = [this, game = board.OnCardMoved](const TCard& card, const TPile* from) {
        game(card, from);
        CardMoved(card, from);
    };
    board.OnPileMoved = [this](const TPile& pile, int x, int y) { PileMoved(pile, x, y); };

    QElapsedTimer timer;
    timer.start();
    sim.Game->SetAutoplay(true);
    sim.Game->StartGame();
    for (int idle = 0; !ended;) {
        const long before = totalSteps;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        idle = totalSteps == before ? idle + 1 : 0;
        if (idle > MaxIdlePasses) {
            Fail("game " + std::to_string(gameNumber) + " stopped moving in state " +
                 std::to_string(sim.Game->State));
            break;
        }
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (failure.empty() && finished < options.Games)
        failure = "only " + std::to_string(finished) + " of " + std::to_string(options.Games) +
                  " games ended with a result";
    if (!failure.empty()) {
        std::fflush(stdout);
        std::fprintf(stderr, "zelmo-sim: %s\n", failure.c_str());
        return 1;
    }
    PrintSummary(seconds);
    return 0;
}

void TSimRunner::PrintSummary(double seconds) const
{
    std::printf("%d games: %d won, %d lost, %d drawn in %.2f s (%.1f games/s)\n", finished,
                results[grHumanWins], results[grCpuWins], results[grDraw], seconds,
                seconds > 0 ? finished / seconds : 0.0);
    const TStrongPlayer::TThinking& thinking = sim.Game->StrongPlayer().Thinking;
    if (thinking.Moves > 0)
        std::printf("strong CPU: %ld moves thought over, %.1f ms each on average, %.1f ms at most\n",
                    thinking.Moves, thinking.TotalMs / thinking.Moves, thinking.LongestMs);
}

bool TSimRunner::event(QEvent* e)
{
    if (static_cast<int>(e->type()) == WM_GAMEENDED) {
        ended = true;
        return true;
    }
    return QObject::event(e);
}

void TSimRunner::BeforeState(TZelmoGame& game, int state)
{
    if (game.Stopped)
        return;
    ++totalSteps;
    // Every 95 starts a new game but a re-deal's, which comes from state 96 and belongs
    // to the same game. Before the first, State is whatever the variant's Init left.
    if (state == stNewGame && game.State != stDeal) {
        ++gameNumber;
        steps = 0;
        moves = 0;
        trace.Game(gameNumber, options.Variant, RandSeed());
    }
    if (++steps > MaxStepsPerGame) {
        Fail("game " + std::to_string(gameNumber) + " did not end within " +
             std::to_string(MaxStepsPerGame) + " state steps");
        return;
    }
    if (IsGameOver(state)) {
        const int result = GameResultOf(state);
        trace.Result(state, result);
        ++results[result];
        ++finished;
        std::printf("game %d %s result %d moves %d\n", gameNumber, options.Variant.c_str(), result,
                    moves);
    }
}

void TSimRunner::AfterState(TZelmoGame& game, int state)
{
    if (game.Stopped)
        return;
    // NewGame may leave a state number of its own behind (Round's 100).
    if (state == stNewGame)
        trace.Deck(game.Board->Trumps(), sim.Deck->Cards());
    if (BeforeCheck)
        BeforeCheck(*sim.Game, gameNumber, steps);
    Report(options.Check ? invariants->CheckAll() : invariants->CheckCards(),
           "after state " + std::to_string(state));
}

void TSimRunner::CardMoved(const TCard& card, const TPile* from)
{
    ++moves;
    trace.Move(sim.Game->State, card, PileName(from), PileName(card.Pile()), card.CardIndex());
    Report(invariants->CheckCards(), "after moving " + TSimTrace::CardName(card));
}

void TSimRunner::PileMoved(const TPile& pile, int x, int y)
{
    trace.MovePile(sim.Game->State, PileName(&pile), x, y);
}

void TSimRunner::Report(const std::string& finding, const std::string& when)
{
    if (!finding.empty())
        Fail("game " + std::to_string(gameNumber) + " step " + std::to_string(steps) + ", " +
             when + ": " + finding);
}

void TSimRunner::Fail(const std::string& message)
{
    if (failure.empty())
        failure = message;
    sim.Game->StopGame();
}

std::string TSimRunner::PileName(const TPile* pile) const
{
    for (const auto& [named, name] : sim.PileNames)
        if (named == pile)
            return name;
    return "";
}
