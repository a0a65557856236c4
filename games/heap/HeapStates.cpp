// The states of Heap: beating the heap's top card, taking its top cards, and the end
// checks before an attack and before a defence.
#include "HeapZelmo.h"

#include "AnimationTime.h"

#include <algorithm>

bool THeap::OpenAttack(bool humanAttacks)
{
    return RefillHands(HandSize, humanAttacks) && !GameOverBeforeAttack();
}

bool THeap::BeatsTop(const TCard& card) const
{
    const TCard* top = Table->TopCard();
    return top && Board->Beats(card, *top);
}

bool THeap::OnlyCardBeatsTop(const TPile& hand) const
{
    return hand.Count() == 1 && BeatsTop(*hand.Card(0));
}

bool THeap::GameOverBeforeDefence()
{
    if (Deck->Count() > 0)
        return false;
    // A side whose opponent has run out may still draw by beating with its last card.
    if (HumanHand->Count() == 0) {
        if (CpuHand->Count() == 0)
            PostState(stDraw);
        else if (!OnlyCardBeatsTop(*CpuHand))
            PostState(stHumanWins);
        else
            return false;
    } else if (CpuHand->Count() == 0) {
        if (OnlyCardBeatsTop(*HumanHand))
            return false;
        PostState(stCpuWins);
    } else {
        return false;
    }
    return true;
}

bool THeap::PlayOnHeap(TCard* card)
{
    if (card->Pile() == CpuHand && State == stCpuDefends)
        AnnounceCpu(QT_TRANSLATE_NOOP("TVariantGame", "CPU beats %1 with %2"), *Table->TopCard(),
                    *card);
    else if (card->Pile() == CpuHand)
        AnnounceCpu(QT_TRANSLATE_NOOP("TVariantGame", "CPU plays %1"), *card);
    return Moves().Move(card, Table, AnimationTime(), TWait::Arrived);
}

int THeap::TakeCount() const
{
    const TCard* top = Table->TopCard();
    return top && Board->IsTrump(*top) ? 5 : 3;
}

void THeap::Take(bool humanTakes)
{
    if (!humanTakes)
        Announce(
            TVariantGame::tr("CPU takes %n cards", nullptr, std::min(TakeCount(), Table->Count())));
    if (!Moves().MoveTop(Table, humanTakes ? HumanHand : CpuHand, TakeCount(), AnimationTime()))
        return;
    if (Table->Count() == 0)
        PostState(humanTakes ? stCpuAttacks : stHumanAttacks);
    else
        PostState(humanTakes ? stCpuDefends : stHumanDefends);
}

void THeap::HumanDefends()
{
    MarkPlayable();
    if (GameOverBeforeDefence() || !AwaitInput())
        return;
    TCard* card = PickedCard;
    if (card && card->Pile() == Table) {
        Take(true);
        return;
    }
    if (OwnedByHuman(card) && BeatsTop(*card)) {
        if (PlayOnHeap(card))
            PostState(stHumanAttacks);
        return;
    }
    AwaitInput();
}

void THeap::CpuDefends()
{
    if (GameOverBeforeDefence())
        return;
    const std::optional<TCard*> choice = CpuChoice();
    if (!choice || !*choice)
        return;
    TCard* card = *choice;
    if (card->Pile() == Table) {
        Take(false);
        return;
    }
    if (PlayOnHeap(card))
        PostState(stCpuAttacks);
}

void THeap::MarkPlayable()
{
    if (State == stHumanAttacks)
        MarkHand([](const TCard&) { return true; });
    else if (State == stHumanDefends)
        MarkHand([this](const TCard& card) { return BeatsTop(card); });
}
