// The circle phase: dealing a ring of face-up cards around the deck, capturing from it
// with the deck's top card or passing that card into the ring, and, once deck and ring
// are used up, the start of the attack phase.
#include "RoundZelmo.h"

#include "AnimationTime.h"
#include "VariantDeck.h"

#include <algorithm>

bool TRound::DealCircle(int count)
{
    Circle->FreePlaces.clear();
    Circle->SetOrientation(poEllipse);
    const int time = AnimationTime();
    for (int k = 0; k < count; ++k) {
        TCard* card = Deck->TopCard();
        Board->MoveCard(card, Circle, 0, false, time, static_cast<int>(k * time * 0.5));
        // The ring is spread for all of its cards, not for those dealt so far.
        const QPoint place = Circle->CardPos(k, count);
        card->TargetX = place.x();
        card->TargetY = place.y();
    }
    if (!Moves().WaitForBoard())
        return false;
    // From now on every card keeps its place, and a freed place is filled again.
    Circle->SetOrientation(poNone);
    return true;
}

void TRound::CircleTurn(bool human)
{
    if (human)
        MarkPlayable();
    const int again = human ? stRoundHumanCircle : stRoundCpuCircle;
    if (Circle->Count() > 0 && Deck->Count() > 0)
        PlayAtCircle(human);
    else if (Circle->Count() > 0) {
        if (!human)
            Announce(TVariantGame::tr("CPU gets the rest of the circle"));
        if (GiveCircleTo(human ? HumanHand : CpuHand))
            PostState(again);
    } else if (Deck->Count() > 0) {
        if (DealCircle(std::min(CircleSize, Deck->Count())))
            PostState(again);
    } else
        BeginAttackPhase();
}

void TRound::PlayAtCircle(bool human)
{
    // The computer is offered only cards the top card beats.
    const std::optional<TCard*> pick = human ? HumanPick() : CpuChoice();
    if (!pick)
        return;
    if (!human && *pick)
        AnnounceCpu(QT_TRANSLATE_NOOP("TVariantGame", "CPU captures %1 with %2"), **pick,
                    *Deck->TopCard());
    else if (!human)
        AnnounceCpu(QT_TRANSLATE_NOOP("TVariantGame", "CPU puts %1 into the circle"),
                    *Deck->TopCard());
    const int self = human ? stRoundHumanCircle : stRoundCpuCircle;
    const int other = human ? stRoundCpuCircle : stRoundHumanCircle;
    if (*pick ? Capture(*pick, human ? HumanHand : CpuHand) : Pass())
        PostState(*pick ? self : other);
}

// The circle card the human captures, nullptr to pass, nothing while input is awaited.
std::optional<TCard*> TRound::HumanPick()
{
    if (!AwaitInput())
        return std::nullopt;
    if (PickedButton == mbMiddle) {
        AwaitInput();
        return std::nullopt;
    }
    const std::vector<TCard*> capturable = Capturable();
    // A single choice needs no aim; with none, any press passes.
    if (capturable.size() < 2)
        return capturable.empty() ? nullptr : capturable.front();
    if (std::find(capturable.begin(), capturable.end(), PickedCard) != capturable.end())
        return PickedCard;
    PostState(stRoundHumanCircle);
    return std::nullopt;
}

bool TRound::Capture(TCard* pick, TPile* hand)
{
    TCard* top = Deck->TopCard();
    // The capturing card only rests on the pick: it neither takes nor leaves a free place.
    top->FillsFreePlace = false;
    Board->MoveCard(top, Circle, 0, false, AnimationTime(), 0);
    top->TargetX = pick->X() + 12;
    top->TargetY = pick->Y() + 6;
    const bool done = Moves().WaitForCard(*top, 1.0) &&
                      Moves().Move(top, hand, AnimationTime(), TWait::HalfWay) &&
                      Moves().Move(pick, hand, AnimationTime(), TWait::HalfWay);
    top->FillsFreePlace = true;
    return done && Moves().WaitForBoard();
}

bool TRound::Pass()
{
    TCard* card = Deck->TopCard();
    // With no place free the whole ring is spread again around one card more.
    if (Circle->FreePlaces.empty())
        Circle->SetOrientation(poEllipse);
    Board->MoveCard(card, Circle, 0, false, AnimationTime(), 0);
    Circle->SetOrientation(poNone);
    return Moves().WaitForCard(*card, 1.0);
}

bool TRound::GiveCircleTo(TPile* hand)
{
    while (TCard* card = Circle->TopCard())
        if (!Moves().Move(card, hand, AnimationTime(), TWait::HalfWay))
            return false;
    return true;
}

void TRound::BeginAttackPhase()
{
    const bool cpuStarts = VariantDeck::CpuStarts(*CpuHand, *HumanHand);
    TableAtCpu = !cpuStarts;
    PostState(cpuStarts ? stCpuAttacks : stHumanAttacks);
    AttackPhase = true;
    ArrangePiles();
}
