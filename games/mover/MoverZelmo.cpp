#include "MoverZelmo.h"

#include "MoverModel.h"

TMover::TMover(QObject* owner)
    : TBoutGame(
          owner, TBoutRules{},
          {{stMoverHumanAttacks, QT_TRANSLATE_NOOP("TVariantGame", "Click your card to move")},
           {stMoverHumanDefends,
            QT_TRANSLATE_NOOP("TVariantGame",
                              "Click your card to defend, click table card to take, "
                              "make move with right mouse button to avoid moving table")},
           {stMoverHumanMovesTable, QT_TRANSLATE_NOOP("TVariantGame", "You are moving the table")},
           {stMoverCpuMovesTable, QT_TRANSLATE_NOOP("TVariantGame", "CPU is moving the table")},
           {stMoverCpuAddsToTaker, QT_TRANSLATE_NOOP("TVariantGame", "CPU throws more")},
           {stMoverHumanAddsToTaker, ThrowMoreText}})
{
}

void TMover::CreatePiles()
{
    CreateHands(HandStep);
    CreateTableAndDiscard();
    CreateDeck(scBack);
}

void TMover::PlacePiles(int w, int h)
{
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

std::unique_ptr<Model::TRulesModel> TMover::NewModel() const
{
    return std::make_unique<Model::TMoverModel>();
}
