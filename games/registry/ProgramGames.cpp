#include "ProgramGames.h"

#include "MoverZelmo.h"

TGameKinds ProgramGames()
{
    return TGameKinds({
        [](QObject* owner) -> std::unique_ptr<TZelmoGame> {
            return std::make_unique<TMover>(owner);
        },
        nullptr,
        nullptr,
    });
}
