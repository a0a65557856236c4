#include "HeapZelmo.h"

THeap::THeap(QObject* owner) : TVariantGame(owner) {}

THeap::~THeap() = default;

void THeap::CreatePiles()
{
    CreateHands(HandStep);
    CreateDeck(scBack);
    Table = Board->NewPile(poHeap, 0, 0, 31, 44, 1, 0, 0);
    Table->SetShowCards(scFace);
}

TVariantGame::TPileNames THeap::PileNames() const
{
    return {{CpuHand, "CpuHand"}, {HumanHand, "HumanHand"}, {Deck, "Deck"}, {Table, "Table"}};
}

void THeap::ArrangePiles()
{
    const int w = Board->width();
    const int h = Board->height();
    ArrangeHands();
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
        BeginPlay(*cpuStarts ? stHeapCpuAttacks : stHeapHumanAttacks);
}

const char* THeap::StatusText(int state) const
{
    switch (state) {
    case stHeapHumanAttacks:
        return "Click on your card to make move";
    case stHeapCpuAttacks:
        return "Wait until CPU moves";
    case stHeapHumanDefends:
        return "Click on your card to defend, click table card to take";
    case stHeapCpuDefends:
        return "Waiting until CPU defends";
    default:
        return nullptr;
    }
}

void THeap::RunPlayState(int state)
{
    switch (state) {
    case stHeapHumanAttacks:
        HumanAttacks();
        break;
    case stHeapCpuAttacks:
        CpuAttacks();
        break;
    case stHeapHumanDefends:
        HumanDefends();
        break;
    case stHeapCpuDefends:
        CpuDefends();
        break;
    default:
        break;
    }
}

TCard* THeap::ChooseCard()
{
    PickedButton = mbLeft;
    const bool humanTurn = State == stHeapHumanAttacks || State == stHeapHumanDefends;
    const TPile& own = humanTurn ? *HumanHand : *CpuHand;
    switch (State) {
    case stHeapHumanAttacks:
    case stHeapCpuAttacks:
        return own.LowestNonTrump();
    case stHeapHumanDefends:
    case stHeapCpuDefends: {
        TCard* top = Table->TopCard();
        if (!top)
            return nullptr;
        // Beat whenever possible; the heap's top card means taking.
        TCard* beater = own.CheapestBeater(*top);
        return beater ? beater : top;
    }
    default:
        return nullptr;
    }
}
