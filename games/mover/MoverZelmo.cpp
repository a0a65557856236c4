#include "MoverZelmo.h"

#include "AnimationTime.h"
#include "GameOverStep.h"
#include "VariantDeck.h"

TMover::TMover(QObject* owner) : TZelmoGame(owner) {}

TMover::~TMover() = default;

void TMover::Init(QWidget* parent)
{
    TZelmoGame::Init(parent);
    CreateBoard();
    Stopped = false;
    State = 0;
    moves = std::make_unique<TCardMoves>(*this);
    CreatePiles();
    pairs = std::make_unique<TPairTable>(*Table, *moves);
    VariantDeck::Create(*Board, *Deck);
    ArrangePiles();
}

void TMover::CreatePiles()
{
    auto hand = [this](int y, TShowCards show) {
        TPile* pile = Board->NewPile(poLine, 0, y, 73, 0, 1, 0, 0);
        pile->SetAutoTight(true);
        pile->SetShowCards(show);
        return pile;
    };
    CpuHand = hand(0, scBack);
    HumanHand = hand(100, scFace);
    Table = Board->NewPile(poLine, 0, 0, 85, 0, 2, 12, 6);
    Table->SetAutoTight(true);
    Table->SetShowCards(scFace);
    Discard = Board->NewPile(poLine, 0, 0, 2, 2, 4, 0, 0);
    Discard->SetShowCards(scBack);
    Deck = Board->NewPile(poLine, 0, 0, 2, 2, 4, 0, 0);
    Deck->SetShowCards(scBack);
    Deck->SetShowBottom(true);
}

void TMover::ArrangePiles()
{
    const int w = Board->width();
    const int h = Board->height();
    auto place = [](TPile* pile, int x, int y) {
        pile->SetX(x);
        pile->SetY(y);
    };
    place(CpuHand, 8, 8);
    CpuHand->SetWidth(w - 16);
    CpuHand->SetHeight(97);
    place(HumanHand, 8, h - 104);
    HumanHand->SetWidth(w - 16);
    HumanHand->SetHeight(97);
    place(Discard, w - 123, (h - 96) / 2);
    place(Deck, Discard->X() - 123, Discard->Y());
    place(Table, 8, TableY());
    Table->SetWidth(Deck->X() - 16);
    Table->SetHeight(110);
}

int TMover::TableY() const { return TableAtCpu ? CpuHand->Y() + 105 : HumanHand->Y() - 105; }

void TMover::PlaceTable()
{
    Table->InvalidatePile();
    Table->SetY(TableY());
    Table->InvalidatePile();
}

void TMover::NewGame()
{
    ListenToBoard(false);
    if (!moves->Gather(Deck, {CpuHand, Table, HumanHand, Discard}))
        return;
    VariantDeck::ShuffleForTrumps(*Board, *Deck);
    PostState(stDeal);
}

void TMover::Deal()
{
    HumanHand->SetSort(psUnsorted);
    if (!moves->WaitForBoard())
        return;
    for (int i = 0; i < 6; ++i) {
        if (!moves->Move(Deck->TopCard(), CpuHand, AnimationTime(), TWait::HalfWay) ||
            !moves->Move(Deck->TopCard(), HumanHand, AnimationTime(), TWait::HalfWay))
            return;
    }
    if (!moves->WaitForBoard())
        return;
    if (!CpuHand->LowestTrump() && !HumanHand->LowestTrump()) {
        PostState(stNewGame);
        return;
    }
    const bool cpuStarts = VariantDeck::CpuStarts(*CpuHand, *HumanHand);
    TableAtCpu = cpuStarts;
    HumanHand->SetSort(psTrumpsLast);
    PostState(cpuStarts ? stMoverCpuAttacks : stMoverHumanAttacks);
    ArrangePiles();
    ListenToBoard(true);
}

const char* TMover::StatusText(int state)
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

void TMover::RunState(int state)
{
    if (Stopped)
        return;
    if (state == stInput) {
        PostState(State);
        return;
    }
    State = state;
    if (const char* text = StatusText(state))
        Board->SetHint(QString::fromUtf8(text));
    switch (state) {
    case stMoverHumanAttacks:
        HumanAttacks();
        break;
    case stMoverCpuAttacks:
        CpuAttacks();
        break;
    case stMoverHumanDefends:
        HumanDefends();
        break;
    case stMoverCpuDefends:
        CpuDefends();
        break;
    case stMoverHumanThrows:
        HumanThrows();
        break;
    case stMoverCpuThrows:
        CpuThrows();
        break;
    case stMoverHumanMovesTable:
    case stMoverCpuMovesTable:
        TableAtCpu = state == stMoverHumanMovesTable;
        PostState(stMoverSlideTable);
        break;
    case stMoverSlideTable:
        SlideTable();
        break;
    case stMoverCpuAddsToTaker:
        CpuAddsToTaker();
        break;
    case stMoverHumanAddsToTaker:
        HumanAddsToTaker();
        break;
    case stNewGame:
        NewGame();
        break;
    case stDeal:
        Deal();
        break;
    case stHumanWins:
    case stCpuWins:
    case stDraw:
        RunGameOverState(*this, state);
        break;
    default:
        break;
    }
}
