#include "BoardAccessible.h"

#include "Board.h"
#include "CardNames.h"
#include "KeyboardPlay.h"
#include "ZelmoGame.h"

#include <QAccessibleEvent>
#include <QCoreApplication>
#include <algorithm>
#include <type_traits>

namespace {

template <typename T> bool OnBoard(const std::vector<T*>& list, const T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The cards a pile shows a reader: placeholders hold a place but are no cards.
std::vector<TCard*> RealCards(const TPile& pile)
{
    std::vector<TCard*> cards;
    std::copy_if(pile.Cards().begin(), pile.Cards().end(), std::back_inserter(cards),
                 [](const TCard* c) { return !c->Empty(); });
    return cards;
}

TCard* CardAtScreen(const TBoard& board, int x, int y)
{
    const QPoint p = board.Geometry().ToTable(board.mapFromGlobal(QPointF(x, y)));
    return board.CardAt(p.x(), p.y());
}

QRect OnScreen(const TBoard& board, const QRect& area)
{
    const QRect shown = board.Geometry().ToWidget(area);
    return QRect(board.mapToGlobal(shown.topLeft()), shown.size());
}

class TPileAccessible : public QAccessibleInterface {
public:
    TPileAccessible(const TBoardAccessible& owner, TPile* pile) : owner(owner), pile(pile) {}

    bool isValid() const override { return owner.Board() && OnBoard(owner.Board()->Piles(), pile); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner.window(); }
    QAccessibleInterface* parent() const override { return const_cast<TBoardAccessible*>(&owner); }
    int childCount() const override { return static_cast<int>(RealCards(*pile).size()); }
    QAccessibleInterface* child(int index) const override
    {
        const std::vector<TCard*> cards = RealCards(*pile);
        return index >= 0 && index < int(cards.size()) ? owner.CardInterface(cards[size_t(index)]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        TCard* card = CardAtScreen(*owner.Board(), x, y);
        return card && card->Pile() == pile ? owner.CardInterface(card) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return Title();
        if (t == QAccessible::Description) {
            const int count = childCount();
            // The plural forms of other languages come from the translation of "%n cards".
            return count == 1 ? QCoreApplication::translate("BoardAccessible", "1 card")
                              : QCoreApplication::translate("BoardAccessible", "%n cards",
                                                            nullptr, count);
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return OnScreen(*owner.Board(), pile->Area()); }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override { return {}; }

    QString Title() const
    {
        const TZelmoGame* game = owner.Game();
        return game ? game->PileTitle(*pile) : QString();
    }

private:
    const TBoardAccessible& owner;
    TPile* pile;
};

class TCardAccessible : public QAccessibleInterface {
public:
    TCardAccessible(const TBoardAccessible& owner, TCard* card) : owner(owner), card(card) {}

    bool isValid() const override { return owner.Board() && OnBoard(owner.Board()->Cards(), card); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner.window(); }
    QAccessibleInterface* parent() const override
    {
        return card->Pile() ? owner.PileInterface(card->Pile()) : const_cast<TBoardAccessible*>(&owner);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        const TZelmoGame* game = owner.Game();
        return SpokenCardName(*card, game && card->Pile() ? game->PileTitle(*card->Pile()) : QString());
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        return OnScreen(*owner.Board(), QRect(card->X(), card->Y(), CardWidth, CardHeight));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = owner.focusChild() == this;
        s.selectable = true;
        s.selected = card->SelectedCard(); // the hint's highlight
        return s;
    }

private:
    const TBoardAccessible& owner;
    TCard* card;
};

QAccessibleInterface* BoardFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TBoard") && object && object->isWidgetType())
        return new TBoardAccessible(static_cast<TBoard*>(object));
    return nullptr;
}

TAccessibleListener& Listener()
{
    static TAccessibleListener listener;
    return listener;
}

// Whether anybody hears the board: otherwise no interface need be made.
bool Heard() { return QAccessible::isActive() || Listener(); }

void Tell(QAccessibleEvent& event)
{
    if (Listener())
        Listener()(event);
    QAccessible::updateAccessibility(&event);
}

TBoardAccessible* BoardInterface(TBoard& board)
{
    return dynamic_cast<TBoardAccessible*>(QAccessible::queryAccessibleInterface(&board));
}

void Say(TBoard& board, const QString& text)
{
    if (text.isEmpty() || !Heard())
        return;
    if (TBoardAccessible* iface = BoardInterface(board)) {
        iface->Say(text);
        QAccessibleEvent said(&board, QAccessible::DescriptionChanged);
        Tell(said);
    }
}

void FocusCard(TBoard& board, TCard* card)
{
    if (!card || !board.hasFocus() || !Heard())
        return;
    if (TBoardAccessible* iface = BoardInterface(board)) {
        QAccessibleEvent focus(iface->CardInterface(card), QAccessible::Focus);
        Tell(focus);
    }
}

} // namespace

void InstallBoardAccessibility()
{
    static const bool installed = (QAccessible::installFactory(BoardFactory), true);
    (void)installed;
}

void SpeakForGame(TZelmoGame& game)
{
    TBoard& board = *game.Board;
    board.setAccessibleName(QCoreApplication::translate("BoardAccessible", "Card table"));
    QObject::connect(&board, &TBoard::HintChanged, &board,
                     [&board](const QString& text) { Say(board, text); });
    QObject::connect(&game, &TZelmoGame::Announced, &board,
                     [&board](const QString& text) { Say(board, text); });
    QObject::connect(game.Keys(), &TKeyboardPlay::FocusChanged, &board,
                     [&board](TCard* card) { FocusCard(board, card); });
}

void SetAccessibleListener(TAccessibleListener listener) { Listener() = std::move(listener); }

QString SpokenCardName(const TCard& card, const QString& pileTitle)
{
    QString name = card.ShowCard()
                       ? CardName(card)
                       : QCoreApplication::translate("BoardAccessible", "face-down card");
    if (!pileTitle.isEmpty())
        //: %1 a card, %2 the pile it lies in: "Queen of Hearts, your hand"
        name = QCoreApplication::translate("BoardAccessible", "%1, %2").arg(name, pileTitle);
    if (card.Marked())
        //: %1 a card, perhaps with its pile
        name = QCoreApplication::translate("BoardAccessible", "%1, playable").arg(name);
    return name;
}

TBoardAccessible::TBoardAccessible(TBoard* board) : QAccessibleWidget(board, QAccessible::Canvas) {}

TBoardAccessible::~TBoardAccessible()
{
    for (const auto& [item, id] : kept)
        QAccessible::deleteAccessibleInterface(id);
}

QString TBoardAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Description ? said : QAccessibleWidget::text(t);
}

void TBoardAccessible::Say(const QString& text) { said = text; }

TBoard* TBoardAccessible::Board() const { return static_cast<TBoard*>(widget()); }

TZelmoGame* TBoardAccessible::Game() const
{
    return Board() ? qobject_cast<TZelmoGame*>(Board()->parentWidget()) : nullptr;
}

template <typename T> QAccessibleInterface* TBoardAccessible::Kept(T* item) const
{
    if (const auto it = kept.find(item); it != kept.end())
        return QAccessible::accessibleInterface(it->second);
    using TItemAccessible = std::conditional_t<std::is_same_v<T, TCard>, TCardAccessible, TPileAccessible>;
    auto* iface = new TItemAccessible(*this, item);
    kept.emplace(item, QAccessible::registerAccessibleInterface(iface));
    return iface;
}

QAccessibleInterface* TBoardAccessible::PileInterface(TPile* pile) const { return Kept(pile); }

QAccessibleInterface* TBoardAccessible::CardInterface(TCard* card) const { return Kept(card); }

int TBoardAccessible::childCount() const { return Board() ? Board()->PileCount() : 0; }

QAccessibleInterface* TBoardAccessible::child(int index) const
{
    return index >= 0 && index < childCount() ? PileInterface(Board()->Pile(index)) : nullptr;
}

int TBoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child)
            return i;
    return -1;
}

QAccessibleInterface* TBoardAccessible::childAt(int x, int y) const
{
    TCard* card = CardAtScreen(*Board(), x, y);
    return card && card->Pile() ? PileInterface(card->Pile()) : nullptr;
}

QAccessibleInterface* TBoardAccessible::focusChild() const
{
    const TZelmoGame* game = Game();
    TCard* card = game && game->Keys() ? game->Keys()->Focused() : nullptr;
    return card ? CardInterface(card) : nullptr;
}
