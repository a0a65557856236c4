#include "SimVariants.h"

#include "GameArea.h"
#include "ProgramGames.h"

namespace {
std::string VariantName(int kind) { return TGameKinds::Name(kind).toLower().toStdString(); }
} // namespace

std::vector<std::string> SimVariantNames()
{
    std::vector<std::string> names;
    for (int kind : ProgramGames().Built())
        names.push_back(VariantName(kind));
    return names;
}

TSimGame CreateSimGame(const std::string& variant, QObject* owner, std::string& error)
{
    TSimGame sim;
    const TGameKinds kinds = ProgramGames();
    for (int kind : kinds.Built()) {
        if (VariantName(kind) != variant)
            continue;
        std::unique_ptr<TZelmoGame> made = kinds.Make(kind, owner);
        auto* game = dynamic_cast<TVariantGame*>(made.get());
        if (!game)
            break;
        made.release();
        sim.Game.reset(game);
        sim.Game->resize(GameAreaWidth, GameAreaHeight);
        sim.Game->Init(nullptr);
        sim.PileNames = sim.Game->PileNames();
        sim.Deck = sim.Game->Deck;
        return sim;
    }
    error = "variant " + variant + " is not built into this zelmo-sim";
    return sim;
}
