#include "GameKinds.h"

#include "ZelmoGame.h"

TGameKinds::TGameKinds(std::array<TGameMaker, Count> gameMakers) : makers(std::move(gameMakers)) {}

QString TGameKinds::Name(int kind)
{
    static const std::array<QString, Count> names{QStringLiteral("Mover"), QStringLiteral("Heap"),
                                                  QStringLiteral("Round")};
    return names.at(size_t(kind));
}

QString TGameKinds::DisplayName(int kind)
{
    static const std::array<const char*, Count> names{QT_TR_NOOP("Mover"), QT_TR_NOOP("Heap"),
                                                      QT_TR_NOOP("Round")};
    return tr(names.at(size_t(kind)));
}

bool TGameKinds::IsBuilt(int kind) const { return IsKind(kind) && makers[size_t(kind)] != nullptr; }

std::vector<int> TGameKinds::Built() const
{
    std::vector<int> kinds;
    for (int kind = 0; kind < Count; ++kind)
        if (IsBuilt(kind)) kinds.push_back(kind);
    return kinds;
}

std::unique_ptr<TZelmoGame> TGameKinds::Make(int kind, QObject* owner) const
{
    if (!IsBuilt(kind)) return nullptr;
    return makers[size_t(kind)](owner);
}
