#include "MoverModel.h"

namespace Model {

TMoverModel TMoverModel::Dealt(std::vector<TCardId> deck, int trumps, std::vector<TModelStep>* log)
{
    TMoverModel model;
    model.Log = log;
    model.Deck = std::move(deck);
    model.Trumps = trumps;
    if (model.DealHands(HandSize))
        model.State = AttackState(model.CpuStarts() ? sdCpu : sdHuman);
    model.Log = nullptr;
    return model;
}

std::unique_ptr<TRulesModel> TMoverModel::Clone() const
{
    return std::make_unique<TMoverModel>(*this);
}

} // namespace Model
