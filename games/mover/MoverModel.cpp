#include "MoverModel.h"

namespace Model {

void TMoverModel::Deal()
{
    if (DealHands(HandSize))
        EnterAttack(CpuStarts() ? sdCpu : sdHuman);
}

std::unique_ptr<TRulesModel> TMoverModel::Clone() const
{
    return std::make_unique<TMoverModel>(*this);
}

} // namespace Model
