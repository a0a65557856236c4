#include "ProgramGames.h"

#include "HeapZelmo.h"
#include "MoverZelmo.h"
#include "RoundZelmo.h"

TGameKinds ProgramGames()
{
    return TGameKinds({
        [](QObject* owner) -> std::unique_ptr<TZelmoGame> {
            return std::make_unique<TMover>(owner);
        },
        [](QObject* owner) -> std::unique_ptr<TZelmoGame> {
            return std::make_unique<THeap>(owner);
        },
        [](QObject* owner) -> std::unique_ptr<TZelmoGame> {
            return std::make_unique<TRound>(owner);
        },
    });
}
