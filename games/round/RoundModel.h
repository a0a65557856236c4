#pragma once
#include "BoutModel.h"

namespace Model {

// Round's rules: first both sides capture from a ring of face-up cards with the deck's
// face-up top card, then the cards won are played out in bouts with nothing to draw.
class TRoundModel : public TBoutModel {
public:
    TRoundModel() : TBoutModel({}) {}
    // The first circle; who opens is still to be drawn (an mkOpen move).
    void Deal() override;
    std::unique_ptr<TRulesModel> Clone() const override;

    TCardSet Circle = 0;

    static constexpr int CircleSize = 9;

protected:
    bool DeckTopVisible() const override { return true; }
    void PlayOwn(const TModelMove& move) override;
    void OwnMoves(std::vector<TModelMove>& moves) const override;
    TModelMove ClassicOwn() const override;

private:
    TCardSet Capturable() const;
    void DealCircle();
    // Gives the circle away, deals a new one or starts the attack phase until side has
    // a choice at the circle.
    void CircleTurn(TSide side);
};

} // namespace Model
