// The bout's states: clearing the table and placing it for an attack, defending (one
// routine for either defender), throwing more, taking and giving more to the taker.
#include "BoutGame.h"

#include "AnimationTime.h"

bool TBoutGame::OpenAttack(bool humanAttacks)
{
    return pairs->ClearTo(Discard, AnimationTime() / 2) && PrepareBout(humanAttacks);
}

bool TBoutGame::LayOnTable(TCard* card)
{
    if (card->Pile() == CpuHand)
        AnnounceCpu(QT_TRANSLATE_NOOP("TVariantGame", "CPU plays %1"), *card);
    return pairs->Lay(card, AnimationTime());
}

bool TBoutGame::GiveToTaker(TCard* card)
{
    if (!LayOnTable(card))
        return false;
    --ThrowLimit;
    return true;
}

void TBoutGame::HandTableTo(TPile* taker, int nextBout)
{
    if (pairs->HandTo(taker, AnimationTime()))
        PostState(nextBout);
}

void TBoutGame::FaceAttack(bool humanAttacks, bool played)
{
    if (!played && !rules.PlaceTableOnAnyPress)
        return;
    TableAtCpu = humanAttacks;
    PlaceTable();
}

void TBoutGame::Defend(const TSide& side)
{
    TCard* card = nullptr;
    if (side.Human) {
        MarkPlayable();
        if (!AwaitInput())
            return;
        card = PickedCard;
    } else {
        const std::optional<TCard*> choice = CpuChoice();
        if (!choice)
            return;
        card = *choice;
    }
    if (card && card->Pile() == Table) {
        Take(side);
        return;
    }
    if (card && card->Pile() == side.Hand && Table->Count() >= 2 && Cover(card, side))
        return;
    if (side.Human)
        AwaitInput(); // dropped: keep waiting
}

// Plays the card against the open attacks in table order; false when it meets none.
bool TBoutGame::Cover(TCard* card, const TSide& side)
{
    for (int attack : pairs->UndefendedAttacks()) {
        const TCard& attackCard = *Table->Card(attack);
        if (TryMoveTable(card, attackCard, side))
            return true;
        if (Board->Beats(*card, attackCard)) {
            // The human clicks only the card; the game decides which attack it covers.
            const int target = side.Human ? pairs->HumanTarget(*card) : attack;
            if (!side.Human)
                AnnounceCpu(QT_TRANSLATE_NOOP("TVariantGame", "CPU beats %1 with %2"), attackCard,
                            *card);
            if (pairs->Cover(target, card, AnimationTime()))
                AfterCover(side);
            return true;
        }
    }
    return false;
}

void TBoutGame::AfterCover(const TSide& side)
{
    if (pairs->HasUndefended())
        PostState(side.Defends);
    else if (pairs->CanAdd(*side.AttackerHand))
        PostState(side.AttackerThrows);
    else
        PostState(side.DefenderLeads);
}

void TBoutGame::Take(const TSide& side)
{
    if (!side.Human)
        Announce(TVariantGame::tr("CPU takes the table"));
    ThrowLimit = side.Hand->Count() - 1;
    const bool mayGive = !rules.GiveOnlyWithinLimit || ThrowLimit > 0;
    if (mayGive && pairs->CanAdd(*side.AttackerHand))
        PostState(side.AttackerGives);
    else if (!rules.SettleBeforeTaking || Moves().WaitForBoard())
        HandTableTo(side.Hand, side.AttackerLeads);
}

void TBoutGame::HumanThrows()
{
    if (HumanHand->Count() == 0 || CpuHand->Count() == 0) {
        PostState(stCpuAttacks);
        return;
    }
    MarkPlayable();
    if (!AwaitInput())
        return;
    if (PickedButton == mbRight) {
        PostState(stCpuAttacks);
        ClearInput();
        return;
    }
    if (OwnedByHuman(PickedCard) && pairs->HasRank(PickedCard->Rank())) {
        if (LayOnTable(PickedCard))
            PostState(stCpuDefends);
        return;
    }
    AwaitInput();
}

void TBoutGame::CpuThrows()
{
    if (HumanHand->Count() == 0 || CpuHand->Count() == 0) {
        PostState(stHumanAttacks);
        return;
    }
    const std::optional<TCard*> card = CpuChoice();
    if (!card)
        return;
    if (!*card) {
        PostState(stHumanAttacks);
        return;
    }
    if (LayOnTable(*card))
        PostState(stHumanDefends);
}

void TBoutGame::HumanAddsToTaker()
{
    MarkPlayable();
    if (ThrowLimit > 0 && !AwaitInput())
        return;
    if (ThrowLimit < 1 || PickedButton == mbRight) {
        HandTableTo(CpuHand, stHumanAttacks);
        return;
    }
    if (OwnedByHuman(PickedCard) && pairs->HasRank(PickedCard->Rank())) {
        if (GiveToTaker(PickedCard))
            PostState(stHumanAddsToTaker);
        return;
    }
    AwaitInput();
}
