// The bout states of Mover: attacking, defending, moving the table, throwing more,
// taking, and the checks at the start of every bout.
#include "MoverZelmo.h"

#include "AnimationTime.h"

bool TMover::OpenBout(bool humanAttacks)
{
    return pairs->ClearTo(Discard, AnimationTime() / 2) && RefillHands(HandSize, humanAttacks) &&
           !GameOverBeforeAttack();
}

bool TMover::LayOnTable(TCard* card) { return pairs->Lay(card, AnimationTime()); }

bool TMover::MovesTable(const TCard& card, const TCard& attack, const TPile& otherHand) const
{
    // The other hand must be able to face every attack card there will be after the move.
    return card.Rank() == attack.Rank() && PickedButton == mbLeft && pairs->NothingBeatenYet() &&
           otherHand.Count() >= Table->Count() / 2 + 1;
}

void TMover::AfterCover(TPile* attackerHand, int again, int attackerThrows, int nextBout)
{
    if (pairs->HasUndefended())
        PostState(again);
    else if (pairs->CanAdd(*attackerHand))
        PostState(attackerThrows);
    else
        PostState(nextBout);
}

void TMover::Take(TPile* taker, TPile* attackerHand, int throwState, int nextBout)
{
    ThrowLimit = taker->Count() - 1;
    if (ThrowLimit > 0 && pairs->CanAdd(*attackerHand))
        PostState(throwState);
    else
        HandTableTo(taker, nextBout);
}

void TMover::HandTableTo(TPile* taker, int nextBout)
{
    if (pairs->HandTo(taker, AnimationTime()))
        PostState(nextBout);
}

void TMover::HumanAttacks()
{
    if (!OpenBout(true))
        return;
    MarkPlayable();
    if (!AwaitInput())
        return;
    if (!OwnedByHuman(PickedCard)) {
        AwaitInput();
        return;
    }
    TableAtCpu = true;
    PlaceTable();
    if (LayOnTable(PickedCard))
        PostState(stMoverCpuDefends);
}

void TMover::CpuAttacks()
{
    if (!OpenBout(false))
        return;
    TableAtCpu = false;
    PlaceTable();
    if (TCard* card = ChooseCard(); card && LayOnTable(card))
        PostState(stMoverHumanDefends);
}

void TMover::HumanDefends()
{
    MarkPlayable();
    if (!AwaitInput())
        return;
    TCard* card = PickedCard;
    if (card && card->Pile() == Table) {
        Take(HumanHand, CpuHand, stMoverCpuAddsToTaker, stMoverCpuAttacks);
        return;
    }
    if (OwnedByHuman(card) && Table->Count() >= 2) {
        for (int attack : pairs->UndefendedAttacks()) {
            const TCard& attackCard = *Table->Card(attack);
            if (MovesTable(*card, attackCard, *CpuHand)) {
                if (!LayOnTable(card))
                    return;
                TableAtCpu = true;
                PostState(stMoverHumanMovesTable);
                ClearInput();
                return;
            }
            if (Board->Beats(*card, attackCard)) {
                if (pairs->Cover(pairs->HumanTarget(*card), card, AnimationTime()))
                    AfterCover(CpuHand, stMoverHumanDefends, stMoverCpuThrows, stMoverHumanAttacks);
                return;
            }
        }
    }
    AwaitInput();
}

void TMover::CpuDefends()
{
    TCard* card = ChooseCard();
    if (card && card->Pile() == Table) {
        Take(CpuHand, HumanHand, stMoverHumanAddsToTaker, stMoverHumanAttacks);
        return;
    }
    if (!card || card->Pile() != CpuHand)
        return;
    // The strategy gives a card that either moves the table or beats the attack it meets.
    for (int attack : pairs->UndefendedAttacks()) {
        const TCard& attackCard = *Table->Card(attack);
        if (MovesTable(*card, attackCard, *HumanHand)) {
            if (!LayOnTable(card))
                return;
            TableAtCpu = false;
            PostState(stMoverCpuMovesTable);
            return;
        }
        if (Board->Beats(*card, attackCard)) {
            if (pairs->Cover(attack, card, AnimationTime()))
                AfterCover(HumanHand, stMoverCpuDefends, stMoverHumanThrows, stMoverCpuAttacks);
            return;
        }
    }
}

void TMover::HumanThrows()
{
    if (HumanHand->Count() == 0 || CpuHand->Count() == 0) {
        PostState(stMoverCpuAttacks);
        return;
    }
    MarkPlayable();
    if (!AwaitInput())
        return;
    if (PickedButton == mbRight) {
        PostState(stMoverCpuAttacks);
        ClearInput();
        return;
    }
    if (OwnedByHuman(PickedCard) && pairs->HasRank(PickedCard->Rank())) {
        if (LayOnTable(PickedCard))
            PostState(stMoverCpuDefends);
        return;
    }
    AwaitInput();
}

void TMover::CpuThrows()
{
    if (HumanHand->Count() == 0 || CpuHand->Count() == 0) {
        PostState(stMoverHumanAttacks);
        return;
    }
    TCard* card = ChooseCard();
    if (!card) {
        PostState(stMoverHumanAttacks);
        return;
    }
    if (LayOnTable(card))
        PostState(stMoverHumanDefends);
}

void TMover::SlideTable()
{
    const int y = TableY();
    Board->MovePile(Table, 8, y, AnimationTime(), 0);
    if (!Moves().WaitForPile(*Table, 1.0))
        return;
    Table->SetY(y);
    Table->InvalidatePile();
    Board->update();
    PostState(TableAtCpu ? stMoverCpuDefends : stMoverHumanDefends);
}

void TMover::CpuAddsToTaker()
{
    if (ThrowLimit > 0) {
        if (TCard* card = ChooseCard()) {
            if (!LayOnTable(card))
                return;
            --ThrowLimit;
            PostState(stMoverCpuAddsToTaker);
            return;
        }
    }
    HandTableTo(HumanHand, stMoverCpuAttacks);
}

void TMover::HumanAddsToTaker()
{
    MarkPlayable();
    if (ThrowLimit > 0 && !AwaitInput())
        return;
    if (ThrowLimit < 1 || PickedButton == mbRight) {
        HandTableTo(CpuHand, stMoverHumanAttacks);
        return;
    }
    if (OwnedByHuman(PickedCard) && pairs->HasRank(PickedCard->Rank())) {
        if (!LayOnTable(PickedCard))
            return;
        --ThrowLimit;
        PostState(stMoverHumanAddsToTaker);
        return;
    }
    AwaitInput();
}

void TMover::MarkPlayable()
{
    switch (State) {
    case stMoverHumanAttacks:
        MarkHand([](const TCard&) { return true; });
        break;
    case stMoverHumanDefends: {
        const bool nothingBeaten = pairs->NothingBeatenYet();
        MarkHand([this, nothingBeaten](const TCard& card) {
            for (int attack : pairs->UndefendedAttacks()) {
                const TCard& attackCard = *Table->Card(attack);
                if (Board->Beats(card, attackCard) ||
                    (nothingBeaten && card.Rank() == attackCard.Rank()))
                    return true;
            }
            return false;
        });
        break;
    }
    case stMoverHumanThrows:
    case stMoverHumanAddsToTaker:
        // After a full defence every table card is real, so both states ask the same.
        MarkHand([this](const TCard& card) { return pairs->HasRank(card.Rank()); });
        break;
    default:
        MarkHand([](const TCard&) { return false; });
        break;
    }
}
