#pragma once
#include "RulesModel.h"

namespace Model {

// Heap's rules: every card played stays on the heap; the defender beats its top card or
// takes the top three (five under a trump); hands are refilled to five before an attack.
class THeapModel : public TRulesModel {
public:
    void Deal() override { DealAndAttack(HandSize); }
    std::unique_ptr<TRulesModel> Clone() const override;
    void LegalMoves(std::vector<TModelMove>& moves) const override;
    void Play(const TModelMove& move) override;
    TModelMove ClassicMove() const override;

    std::vector<TCardId> Heap; // index 0 at the bottom

    static constexpr int HandSize = 5;

protected:
    void AddTableCards(TPositionKey& key) const override;

private:
    void EnterAttack(TSide side) override;
    void EnterDefence(TSide side);
    bool OnlyCardBeatsTop(TSide side) const;
    void Take(TSide taker);
    void PutOnHeap(TSide side, TCardId card);
};

} // namespace Model
