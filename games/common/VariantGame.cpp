#include "VariantGame.h"

#include "AnimationTime.h"
#include "CardNames.h"
#include "GameOverStep.h"
#include "Random.h"
#include "VariantDeck.h"

#include <algorithm>

TVariantGame::TVariantGame(QObject* owner, TStatusTexts statusTexts)
    : TZelmoGame(owner), statusTexts(std::move(statusTexts))
{
}

TVariantGame::~TVariantGame() = default;

void TVariantGame::Init(QWidget* parent)
{
    TZelmoGame::Init(parent);
    CreateBoard();
    Stopped = false;
    State = 0;
    moves = std::make_unique<TCardMoves>(*this);
    CreatePiles();
    ArrangePiles();
    Board->OnCardMoved = [this](const TCard& card, const TPile* from) { NoteArrival(card, from); };
}

void TVariantGame::RunState(int state)
{
    if (Stopped)
        return;
    if (state == stInput) {
        PostState(State);
        return;
    }
    State = state;
    if (const char* text = StatusText(state))
        Board->SetHint(tr(text));
    switch (state) {
    case stNewGame:
        // The choice of computer player counts from the next game on; its generator is
        // seeded from the program's without drawing from it.
        strongThisGame = CpuPlayer == cpStrong;
        strong.NewGame(RandSeed());
        repetitions.Clear();
        repetitionsSeen.Clear();
        endedByRepetition = false;
        NewGame();
        break;
    case stDeal:
        Deal();
        break;
    case stHumanWins:
    case stCpuWins:
    case stDraw:
        if (endedByRepetition)
            ExplainRepetition();
        RunGameOverState(*this, state);
        break;
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
        RunPlayState(state);
        break;
    }
}

bool TVariantGame::IsState(int state) const
{
    // 94 only ever passes through: the current state is posted again.
    if (state >= stNewGame && state <= stDraw)
        return true;
    const std::vector<int> own = PlayStates();
    return std::find(own.begin(), own.end(), state) != own.end();
}

const char* TVariantGame::StatusText(int state) const
{
    const auto text = statusTexts.find(state);
    return text == statusTexts.end() ? nullptr : text->second;
}

TPile* TVariantGame::Named(TPile* pile, std::string name)
{
    pileNames.emplace_back(pile, std::move(name));
    return pile;
}

void TVariantGame::CreateHands(int pileW)
{
    auto hand = [this, pileW](int y, TShowCards show) {
        TPile* pile = Board->NewPile(poLine, 0, y, pileW, 0, 1, 0, 0);
        pile->SetAutoTight(true);
        pile->SetShowCards(show);
        return pile;
    };
    CpuHand = Named(hand(0, scBack), "CpuHand");
    HumanHand = Named(hand(100, scFace), "HumanHand");
}

TPile* TVariantGame::CreateStack(TShowCards show)
{
    TPile* pile = Board->NewPile(poLine, 0, 0, 2, 2, 4, 0, 0);
    pile->SetShowCards(show);
    return pile;
}

void TVariantGame::CreateDeck(TShowCards show)
{
    Deck = Named(CreateStack(show), "Deck");
    Deck->SetShowBottom(true);
    VariantDeck::Create(*Board, *Deck);
}

void TVariantGame::ArrangePiles()
{
    const int w = Board->TableWidth();
    const int h = Board->TableHeight();
    CpuHand->SetX(8);
    CpuHand->SetY(8);
    CpuHand->SetWidth(w - 16);
    CpuHand->SetHeight(HandHeight);
    HumanHand->SetX(8);
    HumanHand->SetY(h - 104);
    HumanHand->SetWidth(w - 16);
    HumanHand->SetHeight(HandHeight);
    PlacePiles(w, h);
}

bool TVariantGame::GatherAndShuffle(std::initializer_list<TPile*> piles)
{
    ListenToBoard(false);
    knownHuman = 0;
    if (!moves->Gather(Deck, piles))
        return false;
    VariantDeck::ShuffleForTrumps(*Board, *Deck);
    return true;
}

std::optional<bool> TVariantGame::DealHands(int handSize, bool cpuFirst)
{
    HumanHand->SetSort(psUnsorted);
    if (!moves->WaitForBoard())
        return std::nullopt;
    TPile* first = cpuFirst ? CpuHand : HumanHand;
    TPile* second = cpuFirst ? HumanHand : CpuHand;
    for (int i = 0; i < handSize; ++i) {
        if (!moves->Move(Deck->TopCard(), first, AnimationTime(), TWait::HalfWay) ||
            !moves->Move(Deck->TopCard(), second, AnimationTime(), TWait::HalfWay))
            return std::nullopt;
    }
    if (!moves->WaitForBoard())
        return std::nullopt;
    if (!CpuHand->LowestTrump() && !HumanHand->LowestTrump()) {
        PostState(stNewGame);
        return std::nullopt;
    }
    return VariantDeck::CpuStarts(*CpuHand, *HumanHand);
}

void TVariantGame::BeginPlay(int firstState)
{
    HumanHand->SetSort(psTrumpsLast);
    PostState(firstState);
    ArrangePiles();
    ListenToBoard(true);
}

bool TVariantGame::RefillHands(int size, bool humanAttacks)
{
    TPile* defender = humanAttacks ? CpuHand : HumanHand;
    TPile* attacker = humanAttacks ? HumanHand : CpuHand;
    const TWait wait = humanAttacks ? TWait::HalfWay : TWait::Arrived;
    return moves->Refill(Deck, defender, size, wait) &&
           moves->Refill(Deck, attacker, size, wait) && moves->WaitForBoard();
}

bool TVariantGame::GameOverBeforeAttack()
{
    if (Deck->Count() > 0)
        return false;
    if (HumanHand->Count() == 0)
        PostState(CpuHand->Count() > 0 ? stHumanWins : stDraw);
    else if (CpuHand->Count() == 0)
        PostState(stCpuWins);
    else
        return false;
    return true;
}

void TVariantGame::ClearInput()
{
    PickedCard = nullptr;
    PickedButton = mbMiddle;
}

void TVariantGame::MarkHand(const std::function<bool(const TCard&)>& playable)
{
    for (TCard* card : HumanHand->Cards())
        card->SetMarked(playable(*card));
}

std::vector<TCard*> TVariantGame::PressableCards() const
{
    std::vector<TCard*> cards = HumanHand->Cards();
    if (State == stHumanDefends)
        if (TCard* take = TakeCard())
            cards.push_back(take);
    return cards;
}

QString TVariantGame::PileTitle(const TPile& pile) const
{
    static const std::map<std::string, const char*> titles{
        {"CpuHand", QT_TRANSLATE_NOOP("TVariantGame", "CPU's hand")},
        {"HumanHand", QT_TRANSLATE_NOOP("TVariantGame", "your hand")},
        {"Deck", QT_TRANSLATE_NOOP("TVariantGame", "deck")},
        {"Table", QT_TRANSLATE_NOOP("TVariantGame", "table")},
        {"Discard", QT_TRANSLATE_NOOP("TVariantGame", "discard pile")},
        {"Circle", QT_TRANSLATE_NOOP("TVariantGame", "circle")}};
    for (const auto& [named, name] : pileNames)
        if (named == &pile)
            return tr(titles.at(name));
    return {};
}

void TVariantGame::AnnounceCpu(const char* what, const TCard& card)
{
    Announce(tr(what).arg(CardName(card)));
}

void TVariantGame::AnnounceCpu(const char* what, const TCard& card, const TCard& other)
{
    Announce(tr(what).arg(CardName(card), CardName(other)));
}
