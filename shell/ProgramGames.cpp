#include "GameKinds.h"

#include "MoverZelmo.h"

// Heap and Round join here once their variants exist.
TGameKinds TGameKinds::Program()
{
    return TGameKinds({
        [](QObject* owner) -> std::unique_ptr<TZelmoGame> {
            return std::make_unique<TMover>(owner);
        },
        nullptr,
        nullptr,
    });
}
