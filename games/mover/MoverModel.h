#pragma once
#include "BoutModel.h"

namespace Model {

// Mover's rules: hands refilled to six before every bout, and a defender who has beaten
// nothing yet may pass the attack on with a card of its rank.
class TMoverModel : public TBoutModel {
public:
    TMoverModel() : TBoutModel({.HandSize = HandSize, .MovesTable = true}) {}
    // A new game from the shuffled deck (index 0 at the bottom): deals and decides who
    // starts, or ends in msRedeal when nobody was dealt a trump.
    static TMoverModel Dealt(std::vector<TCardId> deck, int trumps,
                              std::vector<TModelStep>* log = nullptr);
    std::unique_ptr<TRulesModel> Clone() const override;

    static constexpr int HandSize = 6;
};

} // namespace Model
