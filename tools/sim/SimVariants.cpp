#include "SimVariants.h"

#ifdef ZELMO_HAVE_MOVER
#include "MoverZelmo.h"
#endif

namespace {

// The game area of the main window: 607 x 375 between toolbar and status bar.
constexpr int GameWidth = 607;
constexpr int GameHeight = 375;

// Any variant, reporting each state step to an observer around the real routine.
template <class TGame> class TObserved : public TGame {
public:
    TObserved(QObject* owner, TStateObserver& observer) : TGame(owner), observer(observer) {}
    void RunState(int state) override
    {
        observer.BeforeState(*this, state);
        TGame::RunState(state);
        observer.AfterState(*this, state);
    }

private:
    TStateObserver& observer;
};

template <class TGame> std::unique_ptr<TGame> Start(QObject* owner, TStateObserver& observer)
{
    auto game = std::make_unique<TObserved<TGame>>(owner, observer);
    game->resize(GameWidth, GameHeight);
    game->Init(nullptr);
    return game;
}

} // namespace

TSimGame CreateSimGame(const std::string& variant, QObject* owner, TStateObserver& observer,
                       std::string& error)
{
    TSimGame sim;
#ifdef ZELMO_HAVE_MOVER
    if (variant == "mover") {
        auto game = Start<TMover>(owner, observer);
        sim.PileNames = {{game->CpuHand, "CpuHand"},
                         {game->HumanHand, "HumanHand"},
                         {game->Deck, "Deck"},
                         {game->Discard, "Discard"},
                         {game->Table, "Table"}};
        sim.Deck = game->Deck;
        sim.Game = std::move(game);
        return sim;
    }
#endif
    error = "variant " + variant + " is not built into this zelmo-sim";
    return sim;
}
