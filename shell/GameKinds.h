#pragma once
#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class TZelmoGame;

// Makes a new game of one kind with the given owner.
using TGameMaker = std::function<std::unique_ptr<TZelmoGame>(QObject* owner)>;

// The game kinds the main window offers: 0 Mover, 1 Heap, 2 Round. A kind whose
// variant is not part of the program has no maker and cannot be started.
class TGameKinds {
    Q_DECLARE_TR_FUNCTIONS(TGameKinds)

public:
    static constexpr int Count = 3;

    explicit TGameKinds(std::array<TGameMaker, Count> makers);

    static bool IsKind(int kind) { return kind >= 0 && kind < Count; }
    // The name the settings and statistics are stored under.
    static QString Name(int kind);
    // The name the player reads.
    static QString DisplayName(int kind);
    bool IsBuilt(int kind) const;
    // The kinds that can be started, in kind order.
    std::vector<int> Built() const;
    std::unique_ptr<TZelmoGame> Make(int kind, QObject* owner) const;

private:
    std::array<TGameMaker, Count> makers;
};
