#include "MoverZelmo.h"

TMover::TMover(QObject* owner) : TBoutGame(owner, TBoutRules{}) {}

TMover::~TMover() = default;

void TMover::CreatePiles()
{
    CreateHands(HandStep);
    CreateTableAndDiscard();
    CreateDeck(scBack);
}

TVariantGame::TPileNames TMover::PileNames() const
{
    TPileNames names = TVariantGame::PileNames();
    names.push_back({Discard, "Discard"});
    names.push_back({Table, "Table"});
    return names;
}

void TMover::ArrangePiles()
{
    const int w = Board->width();
    const int h = Board->height();
    ArrangeHands();
    Discard->SetX(w - 123);
    Discard->SetY((h - 96) / 2);
    Deck->SetX(Discard->X() - 123);
    Deck->SetY(Discard->Y());
    Table->SetX(8);
    Table->SetY(TableY());
    Table->SetWidth(Deck->X() - 16);
    Table->SetHeight(110);
}

void TMover::NewGame()
{
    if (GatherAndShuffle({CpuHand, Table, HumanHand, Discard}))
        PostState(stDeal);
}

void TMover::Deal()
{
    const std::optional<bool> cpuStarts = DealHands(HandSize, true);
    if (!cpuStarts)
        return;
    TableAtCpu = *cpuStarts;
    BeginPlay(*cpuStarts ? stMoverCpuAttacks : stMoverHumanAttacks);
}

const char* TMover::StatusText(int state) const
{
    static constexpr const char* throwMore =
        "Click your card to throw more, click right mouse button if that's it";
    switch (state) {
    case stMoverHumanAttacks:
        return "Click your card to move";
    case stMoverCpuAttacks:
        return "Waiting until CPU moves";
    case stMoverHumanDefends:
        return "Click your card to defend, click table card to take, make move with right mouse "
               "button to avoid moving table";
    case stMoverCpuDefends:
        return "Waiting until CPU defends";
    case stMoverHumanThrows:
        return throwMore;
    case stMoverCpuThrows:
        return "Waiting until CPU throws more";
    case stMoverHumanMovesTable:
        return "You are moving the table";
    case stMoverCpuMovesTable:
        return "CPU is moving the table";
    case stMoverCpuAddsToTaker:
        return "CPU throws more";
    case stMoverHumanAddsToTaker:
        return throwMore;
    default:
        return nullptr;
    }
}

std::vector<int> TMover::OwnStates() const
{
    return {stMoverHumanMovesTable, stMoverCpuMovesTable, stMoverSlideTable};
}

void TMover::RunOwnState(int state)
{
    switch (state) {
    case stMoverHumanMovesTable:
    case stMoverCpuMovesTable:
        TableAtCpu = state == stMoverHumanMovesTable;
        PostState(stMoverSlideTable);
        break;
    case stMoverSlideTable:
        SlideTable();
        break;
    default:
        break;
    }
}
