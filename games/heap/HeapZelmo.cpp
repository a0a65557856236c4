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
    TPileNames names = TVariantGame::PileNames();
    names.push_back({Table, "Table"});
    return names;
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
        BeginPlay(*cpuStarts ? stCpuAttacks : stHumanAttacks);
}

const char* THeap::StatusText(int state) const
{
    switch (state) {
    case stHumanAttacks:
        return "Click on your card to make move";
    case stCpuAttacks:
        return "Wait until CPU moves";
    case stHumanDefends:
        return "Click on your card to defend, click table card to take";
    case stCpuDefends:
        return "Waiting until CPU defends";
    default:
        return nullptr;
    }
}

std::vector<int> THeap::PlayStates() const
{
    return {stHumanAttacks, stCpuAttacks, stHumanDefends, stCpuDefends};
}

void THeap::RunPlayState(int state)
{
    switch (state) {
    case stHumanAttacks:
        HumanAttacks();
        break;
    case stCpuAttacks:
        CpuAttacks();
        break;
    case stHumanDefends:
        HumanDefends();
        break;
    case stCpuDefends:
        CpuDefends();
        break;
    default:
        break;
    }
}

TCard* THeap::ChooseCard()
{
    PickedButton = mbLeft;
    const bool humanTurn = State == stHumanAttacks || State == stHumanDefends;
    const TPile& own = humanTurn ? *HumanHand : *CpuHand;
    switch (State) {
    case stHumanAttacks:
    case stCpuAttacks:
        return own.LowestNonTrump();
    case stHumanDefends:
    case stCpuDefends: {
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
