// What Mover's bout adds: refilling the hands before each bout, moving the table to the
// other player, and the CPU giving a taker one card per step.
#include "MoverZelmo.h"

#include "AnimationTime.h"

bool TMover::PrepareBout(bool humanAttacks)
{
    return RefillHands(HandSize, humanAttacks) && !GameOverBeforeAttack();
}

bool TMover::MovesTable(const TCard& card, const TCard& attack, const TPile& otherHand) const
{
    // The other hand must be able to face every attack card there will be after the move.
    return card.Rank() == attack.Rank() && PickedButton == mbLeft && Pairs().NothingBeatenYet() &&
           otherHand.Count() >= Table->Count() / 2 + 1;
}

bool TMover::TryMoveTable(TCard* card, const TCard& attack, const TSide& side)
{
    if (!MovesTable(*card, attack, *side.AttackerHand))
        return false;
    if (!LayOnTable(card))
        return true;
    TableAtCpu = side.Human;
    PostState(side.Human ? stMoverHumanMovesTable : stMoverCpuMovesTable);
    if (side.Human)
        ClearInput();
    return true;
}

bool TMover::MarksAsMove(const TCard& card, const TCard& attack) const
{
    // The size of the CPU's hand is left out of the mark.
    return Pairs().NothingBeatenYet() && card.Rank() == attack.Rank();
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
        const std::optional<TCard*> card = CpuChoice();
        if (!card)
            return;
        if (*card) {
            if (GiveToTaker(*card))
                PostState(stMoverCpuAddsToTaker);
            return;
        }
    }
    HandTableTo(HumanHand, stMoverCpuAttacks);
}
