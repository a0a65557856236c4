#pragma once
#include "BoutModel.h"

namespace Model {

// Mover's rules: hands refilled to six before every bout, and a defender who has beaten
// nothing yet may pass the attack on with a card of its rank.
class TMoverModel : public TBoutModel {
public:
    TMoverModel() : TBoutModel({.HandSize = HandSize, .MovesTable = true}) {}
    void Deal() override { DealAndAttack(HandSize); }
    std::unique_ptr<TRulesModel> Clone() const override;

    static constexpr int HandSize = 6;
};

} // namespace Model
