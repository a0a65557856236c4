#include "HeapModel.h"

namespace Model {

std::unique_ptr<TRulesModel> THeapModel::Clone() const
{
    return std::make_unique<THeapModel>(*this);
}

void THeapModel::LegalMoves(std::vector<TModelMove>& moves) const
{
    moves.clear();
    if (Over())
        return;
    const TSide side = ToAct();
    const bool defends = State == DefendState(side);
    if (defends)
        moves.push_back({mkTake});
    for (TCardId card : CardsOf(Hand[side]))
        if (!defends || Beats(card, Heap.back()))
            moves.push_back({mkPlay, card});
}

void THeapModel::PutOnHeap(TSide side, TCardId card)
{
    Hand[side] &= ~Bit(card);
    Heap.push_back(card);
    Step(card, side == sdCpu ? mpCpuHand : mpHumanHand, mpTable);
}

void THeapModel::Play(const TModelMove& move)
{
    const TSide side = ToAct();
    if (State == AttackState(side)) {
        PutOnHeap(side, move.Card);
        EnterDefence(Other(side));
    } else if (move.Kind == mkTake) {
        Take(side);
    } else {
        // Whoever beats attacks next.
        PutOnHeap(side, move.Card);
        EnterAttack(side);
    }
}

void THeapModel::Take(TSide taker)
{
    const int count = IsTrump(Heap.back()) ? 5 : 3;
    for (int i = 0; i < count && !Heap.empty(); ++i) {
        ToHand(taker, Heap.back(), mpTable, true);
        Heap.pop_back();
    }
    if (Heap.empty())
        EnterAttack(Other(taker));
    else
        EnterDefence(Other(taker));
}

void THeapModel::EnterAttack(TSide side)
{
    Refill(HandSize, side);
    if (GameOverBeforeAttack())
        return;
    State = AttackState(side);
    DrawnByRepetition();
}

void THeapModel::AddTableCards(TPositionKey& key) const
{
    for (TCardId card : Heap)
        key.AddTableCard(card);
}

bool THeapModel::OnlyCardBeatsTop(TSide side) const
{
    return CountOf(Hand[side]) == 1 && Beats(CardsOf(Hand[side]).front(), Heap.back());
}

void THeapModel::EnterDefence(TSide side)
{
    State = DefendState(side);
    if (!Deck.empty())
        return;
    // A side whose opponent has run out may still draw by beating with its last card.
    if (!Hand[sdHuman]) {
        if (!Hand[sdCpu])
            Result = mrDraw;
        else if (!OnlyCardBeatsTop(sdCpu))
            Result = mrHumanWins;
    } else if (!Hand[sdCpu] && !OnlyCardBeatsTop(sdHuman)) {
        Result = mrCpuWins;
    }
}

TModelMove THeapModel::ClassicMove() const
{
    const TSide side = ToAct();
    if (State == AttackState(side))
        return {mkPlay, LowestNonTrump(Hand[side], Trumps)};
    const TCardId beater = CheapestBeater(Hand[side], Heap.back(), Trumps);
    return beater == NoCard ? TModelMove{mkTake} : TModelMove{mkPlay, beater};
}

} // namespace Model
