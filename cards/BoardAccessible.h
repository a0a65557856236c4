#pragma once
#include <QAccessibleWidget>
#include <functional>
#include <unordered_map>

class TBoard;
class TCard;
class TPile;
class TZelmoGame;

// Lets screen readers see the board: the board holds its piles, a pile its cards, each
// named as the player sees it ("Queen of Hearts, your hand, playable", "face-down card,
// CPU's hand"). Installed once for every board.
void InstallBoardAccessibility();
// Wires a game to screen readers: the card under the keyboard's focus is their focus,
// and every status text and every announcement of the game is spoken.
void SpeakForGame(TZelmoGame& game);
// What a screen reader calls a card lying in a pile of this title.
QString SpokenCardName(const TCard& card, const QString& pileTitle);
// Also hears every accessibility event of the boards. Qt hands events to its update
// handler only while an assistive technology is active, which nothing can switch on
// where no screen reader runs, as in the tests.
using TAccessibleListener = std::function<void(QAccessibleEvent& event)>;
void SetAccessibleListener(TAccessibleListener listener);

class TBoardAccessible : public QAccessibleWidget {
public:
    explicit TBoardAccessible(TBoard* board);
    ~TBoardAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    // The description is what the board said last.
    QString text(QAccessible::Text t) const override;
    void Say(const QString& text);

    // The interfaces of a pile and of a card of this board, made once and kept.
    QAccessibleInterface* PileInterface(TPile* pile) const;
    QAccessibleInterface* CardInterface(TCard* card) const;
    TBoard* Board() const;
    // The game playing on the board, none for a bare board.
    TZelmoGame* Game() const;

private:
    template <typename T> QAccessibleInterface* Kept(T* item) const;

    mutable std::unordered_map<const void*, QAccessible::Id> kept;
    QString said;
};
