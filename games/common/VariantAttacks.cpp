// The attack states, played alike in every variant, and the lead the computer chooses.
#include "VariantGame.h"

void TVariantGame::HumanAttacks()
{
    if (!OpenAttack(true))
        return;
    // A pass that reads the pick belongs to the bout noted on the first.
    if (!Waiting && DrawnByRepetition())
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
    if (!OpenAttack(false) || DrawnByRepetition())
        return;
    FaceAttack(false, true);
    if (const std::optional<TCard*> card = CpuChoice(); card && *card && LayAttack(*card))
        PostState(stHumanDefends);
}

bool TVariantGame::DrawnByRepetition()
{
    std::unique_ptr<Model::TRulesModel> position = NewModel();
    FillModel(*position);
    const Model::TPositionKey key = position->PositionKey();
    if (position->HumanHandKnown())
        repetitionsSeen.Note(key);
    if (!repetitions.Note(key))
        return false;
    endedByRepetition = true;
    PostState(stDraw);
    return true;
}

void TVariantGame::ExplainRepetition()
{
    const QString why = tr("The same position came round three times: a draw.");
    Board->SetHint(why);
    // Shown after the record of the result, which would hide it.
    ShowStatus(why);
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
