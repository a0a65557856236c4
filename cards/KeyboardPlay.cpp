#include "KeyboardPlay.h"

#include "CardNames.h"
#include "FocusRing.h"
#include "Messages.h"
#include "ZelmoGame.h"

#include <QKeyEvent>
#include <algorithm>

TKeyboardPlay::TKeyboardPlay(TZelmoGame& game) : QObject(&game), game(game)
{
    ring = new TFocusRing(&game);
    TBoard* board = game.Board;
    board->setFocusPolicy(Qt::StrongFocus);
    board->installEventFilter(this);
    board->setFocus(Qt::OtherFocusReason);
    connect(&game, &TZelmoGame::InputChanged, this, &TKeyboardPlay::InputChanged);
    // After whoever else shows the plain state text, so that the card's name stays.
    connect(board, &TBoard::HintChanged, this, &TKeyboardPlay::Show, Qt::QueuedConnection);
}

std::vector<TCard*> TKeyboardPlay::Pressable() const
{
    if (game.Stopped || !game.Waiting || game.PickPending() || game.Autoplay)
        return {};
    std::vector<TCard*> cards = game.PressableCards();
    std::erase_if(cards, [](const TCard* card) { return card->Empty() || card->Moving; });
    return cards;
}

TCard* TKeyboardPlay::FirstChoice(const std::vector<TCard*>& cards) const
{
    const auto marked = std::find_if(cards.begin(), cards.end(), [](const TCard* c) { return c->Marked(); });
    if (marked != cards.end())
        return *marked;
    // Nothing may be played: the last stop is the table, where a press takes.
    return cards.back();
}

void TKeyboardPlay::InputChanged()
{
    const std::vector<TCard*> cards = Pressable();
    if (cards.empty()) {
        SetFocused(nullptr);
        return;
    }
    // The focus stays on its card while that may still be pressed (a press the rules
    // refused, a hand sorted anew); a new turn starts on the first playable card.
    const bool stays = std::find(cards.begin(), cards.end(), focused) != cards.end() &&
                       (focused->Marked() || std::none_of(cards.begin(), cards.end(),
                                                          [](const TCard* c) { return c->Marked(); }));
    SetFocused(stays ? focused : FirstChoice(cards));
}

bool TKeyboardPlay::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != game.Board)
        return QObject::eventFilter(watched, e);
    MarkReceived(e); // the board's ticks come from the pacing thread, and this sees them first
    switch (e->type()) {
    case QEvent::KeyPress:
        return KeyPressed(static_cast<const QKeyEvent&>(*e));
    case QEvent::MouseButtonPress:
        SetKeyMode(false);
        break;
    case QEvent::Resize:
    case QEvent::Show:
        // The piles are placed anew after the board has its size.
        QMetaObject::invokeMethod(this, &TKeyboardPlay::Show, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return false;
}

bool TKeyboardPlay::KeyPressed(const QKeyEvent& key)
{
    const bool shift = key.modifiers() & Qt::ShiftModifier;
    switch (key.key()) {
    case Qt::Key_Escape:
        // Unused here, it goes on to the window (leaving full screen).
        if (!game.EndsOnRightPress())
            return false;
        game.PressCard(nullptr, mbRight);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Backtab:
        Step(-1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Tab:
        Step(1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Press(shift ? mbRight : mbLeft);
        return true;
    case Qt::Key_Space:
        Press(mbLeft);
        return true;
    case Qt::Key_Menu:
        Press(mbRight);
        return true;
    default:
        return false;
    }
}

void TKeyboardPlay::Step(int by)
{
    // The first key only shows where the focus is.
    if (!keyMode) {
        SetKeyMode(true);
        return;
    }
    const std::vector<TCard*> cards = Pressable();
    if (cards.empty())
        return;
    const auto at = std::find(cards.begin(), cards.end(), focused);
    const int count = static_cast<int>(cards.size());
    const int from = at == cards.end() ? (by > 0 ? -1 : 0) : static_cast<int>(at - cards.begin());
    SetFocused(cards[size_t(((from + by) % count + count) % count)]);
}

void TKeyboardPlay::Press(int button)
{
    // A press the player cannot see the aim of would be a blind move.
    if (!keyMode) {
        SetKeyMode(true);
        return;
    }
    const std::vector<TCard*> cards = Pressable();
    if (focused && std::find(cards.begin(), cards.end(), focused) != cards.end())
        game.PressCard(focused, button);
}

void TKeyboardPlay::SetKeyMode(bool on)
{
    if (on == keyMode)
        return;
    keyMode = on;
    Show();
}

void TKeyboardPlay::SetFocused(TCard* card)
{
    if (card != focused) {
        focused = card;
        emit FocusChanged(card);
    }
    Show();
}

QString TKeyboardPlay::StatusLine() const
{
    const QString hint = game.Board->Hint();
    if (!keyMode || !focused)
        return hint;
    // A card away from the hand says where it lies: the table, where a press takes.
    QString name = CardName(*focused);
    const std::vector<TCard*> cards = game.PressableCards();
    if (focused->Pile() && focused->Pile() != cards.front()->Pile())
        //: %1 a card, %2 the pile it lies in
        name = tr("%1, %2").arg(name, game.PileTitle(*focused->Pile()));
    //: %1 the focused card, %2 what the game asks for
    return hint.isEmpty() ? name : tr("%1 \u2014 %2").arg(name, hint);
}

void TKeyboardPlay::Show()
{
    const bool shown = keyMode && focused;
    if (shown) {
        const QRect card = game.Board->Geometry().ToWidget(
            QRect(focused->X(), focused->Y(), CardWidth, CardHeight));
        ring->Surround(card.translated(game.Board->mapTo(&game, QPoint())));
    }
    ring->setVisible(shown);
    const QString line = StatusLine();
    if (keyMode && line != shownLine) {
        shownLine = line;
        emit StatusLineChanged(line);
    } else if (!keyMode && !shownLine.isNull()) {
        // Leaving key mode gives the line back to the state's text, once.
        shownLine = QString();
        emit StatusLineChanged(line);
    }
}
