// The rules models against the real games: zelmo-sim plays 1,000 games of each variant
// with every invariant checked after every state step, and every game of its trace must
// be a game the model allows, move by move, ending with the same result.
#include "HeapModel.h"
#include "MoverModel.h"
#include "RoundModel.h"
#include "SimRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

using namespace Model;

namespace {

TCardId ParseCard(const QString& name)
{
    return CardOf(QString("CDHS").indexOf(name[1]), QString("6789TJQKA").indexOf(name[0]) + 6);
}

TModelPile ParsePile(const QString& name)
{
    for (TModelPile pile : {mpCpuHand, mpHumanHand, mpDeck, mpTable, mpDiscard, mpCircle})
        if (name == PileName(pile))
            return pile;
    ADD_FAILURE() << "unknown pile " << name.toStdString();
    return mpDeck;
}

// One deal of the trace: the cards' moves from the deal on (gathering left out, since
// the model only ever starts from a shuffled deck) and how it ended.
struct TDeal {
    std::vector<TCardId> Deck;
    int Trumps = 0;
    std::vector<TModelStep> Steps;
    int Result = -1; // -1: dealt again
};

bool SameSteps(std::vector<TModelStep> made, const std::vector<TModelStep>& all, size_t from)
{
    if (from + made.size() > all.size())
        return false;
    std::vector<TModelStep> shown(all.begin() + from, all.begin() + from + made.size());
    // Within one move the order of the cards' flights is the game's to choose.
    auto order = [](const TModelStep& a, const TModelStep& b) {
        return std::tie(a.Card, a.From, a.To) < std::tie(b.Card, b.From, b.To);
    };
    std::ranges::sort(made, order);
    std::ranges::sort(shown, order);
    return made == shown;
}

// Explains the deal's steps by legal moves of the model, trying every legal move at each
// point; empty when the model allows the deal as played, else what went wrong.
template <class TModel> std::string Replay(const TDeal& deal)
{
    std::vector<TModelStep> log;
    // A model of the game so far and the first step it does not explain yet.
    std::vector<std::pair<std::unique_ptr<TRulesModel>, size_t>> open;
    open.push_back({Dealt<TModel>(deal.Deck, deal.Trumps, &log).Clone(), log.size()});
    if (!SameSteps(log, deal.Steps, 0))
        return "the deal differs";
    std::vector<TModelMove> moves;
    size_t furthest = 0;
    for (int expanded = 0; !open.empty(); ++expanded) {
        if (expanded > 100000 || open.size() > 256)
            return "too many ways to explain the game";
        auto [model, from] = std::move(open.back());
        open.pop_back();
        furthest = std::max(furthest, from);
        if (model->Over()) {
            const int result = model->State == msRedeal ? -1 : model->Result;
            if (from == deal.Steps.size() && result == deal.Result)
                return "";
            continue;
        }
        model->LegalMoves(moves);
        for (const TModelMove& move : moves) {
            std::unique_ptr<TRulesModel> next = model->Clone();
            log.clear();
            next->Log = &log;
            next->Play(move);
            if (SameSteps(log, deal.Steps, from))
                open.emplace_back(std::move(next), from + log.size());
        }
    }
    return "no legal move explains step " + std::to_string(furthest) + " of " +
           std::to_string(deal.Steps.size());
}

// The deals of a trace, each with the steps of its deal included.
std::vector<TDeal> ReadDeals(const QStringList& trace)
{
    std::vector<TDeal> deals;
    for (const QString& line : trace) {
        const QJsonObject ev = QJsonDocument::fromJson(line.toUtf8()).object();
        const QString kind = ev["ev"].toString();
        if (kind == "deck") {
            TDeal deal;
            deal.Trumps = QString("CDHS").indexOf(ev["trumps"].toString());
            for (const auto& card : ev["cards"].toArray())
                deal.Deck.push_back(ParseCard(card.toString()));
            deals.push_back(deal);
        } else if (kind == "move" && ev["to"] != "Deck") {
            deals.back().Steps.push_back({ParseCard(ev["card"].toString()),
                                          ParsePile(ev["from"].toString()),
                                          ParsePile(ev["to"].toString())});
        } else if (kind == "result") {
            deals.back().Result = ev["result"].toInt();
        }
    }
    return deals;
}

// Returns the deals replayed.
template <class TModel>
std::vector<TDeal> ExpectTraceReplays(const QString& variant, const QString& seed = "20261207",
                                      int games = 1000)
{
    const TSimRun sim =
        RunSim(Games(variant, games, seed) + QStringList{"--animate-time", "10", "--check"});
    EXPECT_EQ(sim.ExitCode, 0) << sim.Errors.toStdString();
    const std::vector<TDeal> deals = ReadDeals(sim.Trace);
    EXPECT_EQ(std::ranges::count_if(deals, [](const TDeal& d) { return d.Result >= 0; }), games);
    int failures = 0;
    for (size_t i = 0; i < deals.size() && failures < 5; ++i) {
        const std::string fault = Replay<TModel>(deals[i]);
        failures += !fault.empty();
        EXPECT_EQ(fault, "") << variant.toStdString() << " deal " << i + 1;
    }
    return deals;
}

TEST(ModelReplay, MoverGamesAreMoverModelGames) { ExpectTraceReplays<TMoverModel>("mover"); }

TEST(ModelReplay, HeapGamesAreHeapModelGames) { ExpectTraceReplays<THeapModel>("heap"); }

TEST(ModelReplay, RoundGamesAreRoundModelGames) { ExpectTraceReplays<TRoundModel>("round"); }

// First games that go round in circles: the model draws them at the very step the game
// does, with cards still in both hands (the replay fails on any other ending).
TEST(ModelReplay, DrawsByRepetitionAreTheModelsDraws)
{
    const std::vector<TDeal> mover = ExpectTraceReplays<TMoverModel>("mover", "1822392", 1);
    const std::vector<TDeal> heap = ExpectTraceReplays<THeapModel>("heap", "58632", 1);
    for (const auto* deals : {&mover, &heap}) {
        ASSERT_FALSE(deals->empty());
        EXPECT_EQ(deals->back().Result, mrDraw);
    }
}

} // namespace
