#include "HeapZelmo.h"

#include "HeapModel.h"

THeap::THeap(QObject* owner)
    : TVariantGame(
          owner,
          {{stHumanAttacks, QT_TRANSLATE_NOOP("TVariantGame", "Click on your card to make move")},
           {stCpuAttacks, QT_TRANSLATE_NOOP("TVariantGame", "Wait until CPU moves")},
           {stHumanDefends,
            QT_TRANSLATE_NOOP("TVariantGame",
                              "Click on your card to defend, click table card to take")},
           {stCpuDefends, QT_TRANSLATE_NOOP("TVariantGame", "Waiting until CPU defends")}})
{
}

void THeap::CreatePiles()
{
    CreateHands(HandStep);
    CreateDeck(scBack);
    Table = Named(Board->NewPile(poHeap, 0, 0, 31, 44, 1, 0, 0), "Table");
    Table->SetShowCards(scFace);
}

void THeap::PlacePiles(int w, int h)
{
    Deck->SetX(w - 206);
    Deck->SetY((h - 106) / 2);
    Table->SetX(100);
    Table->SetY(h / 2 - 48);
    Table->SetPileW(31);
    Table->SetPileH(44);
}

void THeap::NewGame()
{
    if (GatherAndShuffle({CpuHand, Table, HumanHand}))
        PostState(stDeal);
}

void THeap::Deal()
{
    if (const std::optional<bool> cpuStarts = DealHands(HandSize, true))
        BeginPlay(*cpuStarts ? stCpuAttacks : stHumanAttacks);
}

TCard* THeap::ChoosePlay()
{
    TCard* top = Table->TopCard();
    if (!top || (State != stHumanDefends && State != stCpuDefends))
        return nullptr;
    // The heap's top card means taking.
    TCard* beater = OwnHand().CheapestBeater(*top);
    return beater ? beater : top;
}

std::vector<int> THeap::PlayStates() const
{
    return {stHumanAttacks, stCpuAttacks, stHumanDefends, stCpuDefends};
}

std::unique_ptr<Model::TRulesModel> THeap::NewModel() const
{
    return std::make_unique<Model::THeapModel>();
}

void THeap::FillModel(Model::TRulesModel& model) const
{
    TVariantGame::FillModel(model);
    auto& heap = static_cast<Model::THeapModel&>(model);
    heap.Heap.clear();
    for (const TCard* card : Table->Cards())
        heap.Heap.push_back(CardId(*card));
}
