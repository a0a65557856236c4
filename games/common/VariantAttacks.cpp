// The attack states, played alike in every variant, and the lead the computer chooses.
#include "VariantGame.h"

void TVariantGame::HumanAttacks()
{
    if (!OpenAttack(true))
        return;
    MarkPlayable();
    if (!AwaitInput())
        return;
    const bool played = OwnedByHuman(PickedCard);
    FaceAttack(true, played);
    if (!played) {
        AwaitInput();
        return;
    }
    if (LayAttack(PickedCard))
        PostState(stCpuDefends);
}

void TVariantGame::CpuAttacks()
{
    if (!OpenAttack(false))
        return;
    FaceAttack(false, true);
    if (const std::optional<TCard*> card = CpuChoice(); card && *card && LayAttack(*card))
        PostState(stHumanDefends);
}

void TVariantGame::FaceAttack(bool, bool) {}

void TVariantGame::RunPlayState(int) {}

bool TVariantGame::HumansTurn() const
{
    return State == stHumanAttacks || State == stHumanDefends;
}

TCard* TVariantGame::ChooseCard()
{
    PickedButton = mbLeft;
    if (State == stHumanAttacks || State == stCpuAttacks)
        return OwnHand().LowestNonTrump();
    return ChoosePlay();
}
