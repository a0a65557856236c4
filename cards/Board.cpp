#include "Board.h"

#include "BoardAnimateThread.h"
#include "Errors.h"
#include "GameArea.h"
#include "Messages.h"

#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace {

template <typename T> void Erase(std::vector<T*>& list, const T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

template <typename T> void EraseOwned(std::vector<std::unique_ptr<T>>& list, const T* item)
{
    list.erase(std::find_if(list.begin(), list.end(), [item](const auto& p) { return p.get() == item; }));
}

bool Contains(const TCard& card, int px, int py)
{
    return card.X() <= px && px < card.X() + CardWidth && card.Y() <= py && py < card.Y() + CardHeight;
}

} // namespace

TBoard::TBoard(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    images = std::make_unique<TCardImages>(drawBackFrame, devicePixelRatioF());
    animateThread = std::make_unique<TBoardAnimateThread>(*this);
    Rebuild();
}

TBoard::~TBoard()
{
    DestroyAnimateThread();
    while (!pileOrder.empty())
        DestroyPile(pileOrder.back());
    while (!cardOrder.empty())
        DestroyCard(cardOrder.back());
}

TCard* TBoard::NewCard(TPile* pile, TCardValue value, TCardSuit suit, bool showCard)
{
    if (pile && &pile->Board() != this)
        throw EBoard("Cannot add card to pile from another board");
    ownedCards.push_back(std::unique_ptr<TCard>(new TCard(*this)));
    TCard* card = ownedCards.back().get();
    cardOrder.push_back(card);
    card->SetValue(value);
    card->SetSuit(suit);
    if (autoCardBack >= 0)
        card->SetBack(static_cast<TCardBack>(autoCardBack));
    card->SetShowCard(showCard);
    if (pile)
        card->SetPile(pile);
    return card;
}

TPile* TBoard::NewPile(TPileOrientation orientation, int x, int y, int pileW, int pileH,
                       int allocBy, int allocW, int allocH)
{
    ownedPiles.push_back(std::unique_ptr<TPile>(new TPile(*this)));
    TPile* pile = ownedPiles.back().get();
    pileOrder.push_back(pile);
    pile->SetOrientation(orientation);
    pile->SetX(x);
    pile->SetY(y);
    pile->SetPileW(pileW);
    pile->SetPileH(pileH);
    pile->SetAllocBy(allocBy);
    pile->SetAllocW(allocW);
    pile->SetAllocH(allocH);
    return pile;
}

void TBoard::DestroyCard(TCard* card)
{
    if (card->Moving) {
        Erase(movingCards, card);
        SyncQueueCounts();
    }
    if (TPile* pile = card->Pile())
        pile->RemoveCard(card->CardIndex());
    card->InvalidateCard();
    Erase(cardOrder, card);
    EraseOwned(ownedCards, card);
}

void TBoard::DestroyPile(TPile* pile)
{
    Erase(movingPiles, pile);
    SyncQueueCounts();
    while (pile->Count() > 0)
        DestroyCard(pile->TopCard());
    Erase(pileOrder, pile);
    EraseOwned(ownedPiles, pile);
}

TCard* TBoard::CardAt(int px, int py) const
{
    // Cards in flight first, then free cards, then piles; later ones lie on top.
    for (auto it = movingCards.rbegin(); it != movingCards.rend(); ++it)
        if (!(*it)->Empty() && Contains(**it, px, py))
            return *it;
    for (auto it = cardOrder.rbegin(); it != cardOrder.rend(); ++it)
        if (!(*it)->Pile() && !(*it)->Empty() && Contains(**it, px, py))
            return *it;
    for (auto p = pileOrder.rbegin(); p != pileOrder.rend(); ++p) {
        const auto& cards = (*p)->Cards();
        for (auto it = cards.rbegin(); it != cards.rend(); ++it)
            if (!(*it)->Empty() && Contains(**it, px, py))
                return *it;
    }
    return nullptr;
}

bool TBoard::Beats(const TCard& a, const TCard& b) const
{
    if (a.Suit() == trumps && b.Suit() != trumps)
        return true;
    return a.Suit() == b.Suit() && a.Rank() > b.Rank();
}

void TBoard::SetTrumps(TCardSuit suit)
{
    if (suit == trumps)
        return;
    trumps = suit;
    for (auto it = pileOrder.rbegin(); it != pileOrder.rend(); ++it)
        (*it)->SortCards();
}

void TBoard::SetAutoClearMarks(bool on)
{
    if (on == autoClearMarks)
        return;
    autoClearMarks = on;
    RebuildBackground();
}

void TBoard::SetDrawControls(bool on)
{
    if (on == drawControls)
        return;
    drawControls = on;
    update();
}

void TBoard::SetColor2(const QColor& c)
{
    if (c == color2)
        return;
    color2 = c;
    if (backType == btHGradient || backType == btVGradient)
        RebuildBackground();
}

void TBoard::SetBackType(TBoardBackType type)
{
    if (type == backType)
        return;
    backType = type;
    RebuildBackground();
}

void TBoard::SetAutoCardBack(int back)
{
    if (back == autoCardBack)
        return;
    autoCardBack = back;
    ApplyCardBack();
}

void TBoard::SetDrawBackFrame(bool on)
{
    if (on == drawBackFrame)
        return;
    drawBackFrame = on;
    images = std::make_unique<TCardImages>(drawBackFrame, images->Ratio());
    update();
}

void TBoard::SetHint(const QString& text)
{
    if (text == statusTip())
        return;
    setStatusTip(text);
    emit HintChanged(text);
}

void TBoard::ApplyCardBack()
{
    if (autoCardBack < 0)
        return;
    for (auto it = cardOrder.rbegin(); it != cardOrder.rend(); ++it)
        (*it)->SetBack(static_cast<TCardBack>(autoCardBack));
}

void TBoard::InvalidateRect(const QRect& rect)
{
    // At a fractional ratio the toolkit rounds a repaint's edges to device pixels its own
    // way, which may leave out the row or column a card's edge was drawn into; a pixel
    // more on every side repaints all it touched.
    const qreal ratio = images->Ratio();
    const QRect shown = Geometry().ToWidget(rect);
    update(ratio == std::floor(ratio) ? shown : shown.adjusted(-1, -1, 1, 1));
}

void TBoard::SetTableScale(qreal scale)
{
    if (scale == tableScale)
        return;
    tableScale = scale;
    Rebuild();
    update();
}

bool TBoard::event(QEvent* e)
{
    MarkReceived(e); // ticks come from the pacing thread
    switch (static_cast<int>(e->type())) {
    case WM_ANIMATECARDS:
        cardTickPending.store(false);
        if (AnimationEnabled())
            AnimateCards();
        return true;
    case WM_ANIMATEPILES:
        pileTickPending.store(false);
        AnimatePiles();
        return true;
    default: return QWidget::event(e);
    }
}

void TBoard::mousePressEvent(QMouseEvent* e)
{
    int button = 0;
    switch (e->button()) {
    case Qt::LeftButton: button = 0; break;
    case Qt::RightButton: button = 1; break;
    case Qt::MiddleButton: button = 2; break;
    default: return QWidget::mousePressEvent(e);
    }
    if (OnMouseDown) {
        const QPoint p = Geometry().ToTable(e->position());
        OnMouseDown(*this, button, e->modifiers(), p.x(), p.y());
    }
}

void TBoard::resizeEvent(QResizeEvent*) { Rebuild(); }
