#include "MoverModel.h"

namespace Model {

std::unique_ptr<TRulesModel> TMoverModel::Clone() const
{
    return std::make_unique<TMoverModel>(*this);
}

} // namespace Model
