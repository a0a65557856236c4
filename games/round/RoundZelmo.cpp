#include "RoundZelmo.h"

#include "Random.h"
#include "RoundModel.h"
#include "RingGeometry.h"

#include <algorithm>

namespace {

// The table lies a little lower under the CPU's hand; the human's press places it even
// when it plays nothing; a taker is always offered more, however few cards it holds; and
// the board settles before a taker who is given nothing gets the table.
constexpr TBoutRules RoundRules{.TableBelowCpu = 113,
                                .PlaceTableOnAnyPress = true,
                                .GiveOnlyWithinLimit = false,
                                .SettleBeforeTaking = true};

constexpr int CircleHandStep = 2; // hands stay compact while the circle takes the middle

} // namespace

TRound::TRound(QObject* owner)
    : TBoutGame(
          owner, RoundRules,
          {{stHumanAttacks, QT_TRANSLATE_NOOP("TVariantGame", "Click your card to make move")},
           {stHumanDefends,
            QT_TRANSLATE_NOOP("TVariantGame",
                              "Click your card to defend, click table card to take")},
           {stCpuAddsToTaker, QT_TRANSLATE_NOOP("TVariantGame", "CPU gives you more")},
           {stHumanAddsToTaker,
            QT_TRANSLATE_NOOP("TVariantGame",
                              "CPU has taken, so throw him more, right click if ok")},
           {stRoundHumanCircle,
            QT_TRANSLATE_NOOP(
                "TVariantGame",
                "Select a card in the circle and beat it with top card in the deck to get them")},
           {stRoundCpuCircle, QT_TRANSLATE_NOOP("TVariantGame", "Wait until CPU beats")}})
{
}

void TRound::Init(QWidget* parent)
{
    TBoutGame::Init(parent);
    State = stRoundIdle;
    Autoplay = false;
}

void TRound::CreatePiles()
{
    CreateHands(CircleHandStep);
    Circle = Named(Board->NewPile(poEllipse, 0, 0, 100, 100, 1, 0, 0), "Circle");
    Circle->SetShowCards(scFace);
    Circle->SetFillFreePlaces(true);
    CreateTableAndDiscard();
    CreateDeck(scFace);
}

void TRound::PlacePiles(int w, int h)
{
    const int handStep = AttackPhase ? HandStep : CircleHandStep;
    CpuHand->SetPileW(handStep);
    HumanHand->SetPileW(handStep);
    Discard->SetX(w - 123);
    Discard->SetY((h - 96) / 2);
    const TRingGeometry before = TRingGeometry::Of(*Circle);
    const int radiusY = std::min(w - 99, h - 118) / 2;
    Circle->SetY(h / 2);
    Circle->SetPileH(radiusY);
    Circle->SetPileW(AttackPhase ? radiusY : (w - 180) / 2);
    Circle->SetX(w - Circle->PileW() - 44);
    FollowRing(*Circle, before);
    Deck->SetX(Circle->X() - 53);
    Deck->SetY(Discard->Y());
    Table->SetWidth(Discard->X() - 16);
    Table->SetHeight(110);
    Table->SetX(8);
    Table->SetY(TableY());
}

void TRound::PlaceTable()
{
    TBoutGame::PlaceTable();
    // The deck is used up by now; it makes room for the table.
    Deck->SetX(Discard->X() - 123);
}

void TRound::NewGame()
{
    State = stRoundIdle;
    Deck->SetShowTop(false);
    AttackPhase = false;
    if (!GatherAndShuffle({Circle, CpuHand, Table, HumanHand, Discard}))
        return;
    ArrangePiles();
    PostState(stDeal);
}

void TRound::Deal()
{
    HumanHand->SetSort(psTrumpsLast);
    if (!Moves().WaitForBoard() || !DealCircle(CircleSize))
        return;
    ListenToBoard(true);
    // Drawn once the circle lies, so that a seed replays the whole game.
    PostState(Random(2) == 0 ? stRoundHumanCircle : stRoundCpuCircle);
}

void TRound::RunOwnState(int state)
{
    if (state == stRoundHumanCircle || state == stRoundCpuCircle)
        CircleTurn(state == stRoundHumanCircle);
}

bool TRound::PrepareBout(bool)
{
    // Nothing is drawn in this phase, and the deck has been used up before it began.
    return !GameOverBeforeAttack();
}

void TRound::CpuAddsToTaker()
{
    while (ThrowLimit > 0) {
        const std::optional<TCard*> choice = CpuChoice();
        if (!choice)
            return;
        TCard* card = *choice;
        if (!card)
            break;
        // No choice and no hint while the card is on its way.
        State = 0;
        if (!GiveToTaker(card))
            return;
        State = stCpuAddsToTaker;
    }
    State = 0;
    HandTableTo(HumanHand, stCpuAttacks);
}

void TRound::MarkPlayable()
{
    if (State != stRoundHumanCircle) {
        TBoutGame::MarkPlayable();
        return;
    }
    MarkHand([](const TCard&) { return false; });
    const TCard* top = Deck->TopCard();
    for (TCard* card : Circle->Cards())
        card->SetMarked(top && Board->Beats(*top, *card));
}

std::vector<TCard*> TRound::PressableCards() const
{
    return State == stRoundHumanCircle ? Circle->Cards() : TBoutGame::PressableCards();
}

std::vector<int> TRound::OwnStates() const
{
    // 0: no state while the CPU gives more cards and hands the table over.
    return {0, stRoundIdle, stRoundHumanCircle, stRoundCpuCircle};
}

std::unique_ptr<Model::TRulesModel> TRound::NewModel() const
{
    return std::make_unique<Model::TRoundModel>();
}

void TRound::FillModel(Model::TRulesModel& model) const
{
    TBoutGame::FillModel(model);
    static_cast<Model::TRoundModel&>(model).Circle = CardSet(*Circle);
}
