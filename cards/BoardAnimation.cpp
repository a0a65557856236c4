// Card and pile flights: moves wait in two queues and advance from the clock at each tick.
#include "Board.h"
#include "BoardAnimateThread.h"
#include "Clock.h"
#include "Errors.h"
#include "Messages.h"

#include <algorithm>
#include <cmath>

namespace {

template <typename T> void EraseFrom(std::vector<T*>& list, const T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

double Curve(TBoardAnimateType type, double t)
{
    switch (type) {
    case atSlow: return std::sqrt(t);
    case atDoubleSlow: return std::sqrt(std::sqrt(t));
    case atFast: return t * t;
    case atDoubleFast: return t * t * t * t;
    case atUniform: break;
    }
    return t;
}

void StartMove(TMoveRecord& move, int x, int y, int duration, int delay)
{
    move.StartX = x;
    move.StartY = y;
    move.Elapsed = 0;
    move.Duration = duration;
    move.StartTick = Clock::TickCount() + static_cast<uint32_t>(delay);
}

} // namespace

QPoint TBoard::PacedPoint(const TMoveRecord& m) const
{
    if (animateType == atUniform)
        return {int(int64_t(m.TargetX - m.StartX) * m.Elapsed / m.Duration + m.StartX),
                int(int64_t(m.TargetY - m.StartY) * m.Elapsed / m.Duration + m.StartY)};
    const double f = Curve(animateType, double(m.Elapsed) / m.Duration);
    return {int(std::nearbyint(f * (m.TargetX - m.StartX) + m.StartX)),
            int(std::nearbyint(f * (m.TargetY - m.StartY) + m.StartY))};
}

void TBoard::MoveCard(TCard* card, TPile* toPile, int index, bool replace, int duration, int delay)
{
    if (&card->Board() != this || &toPile->Board() != this)
        throw EBoard("Cannot move card to pile from another board");
    if (replace)
        (void)toPile->Card(index); // an index outside the pile fails before anything changes
    // A card still in flight is taken out of the queue before it is queued again.
    if (card->Moving)
        EraseMovingCard(card);
    const TPile* from = card->Pile();
    StartMove(*card, card->X(), card->Y(), duration, delay);
    if (autoClearMarks && card->Marked())
        card->SetMarked(false);
    if (replace) {
        DestroyCard(toPile->Card(index));
        toPile->InsertCard(index, card);
    } else {
        toPile->AddCard(card);
    }
    card->TargetX = card->X();
    card->TargetY = card->Y();
    card->PlaceAt(card->StartX, card->StartY);
    movingCards.push_back(card);
    card->Moving = true;
    SyncQueueCounts();
    if (OnCardMoved)
        OnCardMoved(*card, from);
}

void TBoard::MovePile(TPile* pile, int x, int y, int duration, int delay)
{
    if (&pile->Board() != this)
        throw EBoard("Cannot move pile of another board");
    EraseFrom(movingPiles, pile);
    StartMove(*pile, pile->X(), pile->Y(), duration, delay);
    pile->TargetX = x;
    pile->TargetY = y;
    movingPiles.push_back(pile);
    pile->Moving = true;
    SyncQueueCounts();
    if (OnPileMoved)
        OnPileMoved(*pile, x, y);
}

void TBoard::EraseMovingCard(TCard* card)
{
    EraseFrom(movingCards, card);
    card->Moving = false;
    SyncQueueCounts();
}

void TBoard::ClearMovingCards()
{
    // Cards keep Moving: a stopped game neither advances nor draws them again.
    movingCards.clear();
    SyncQueueCounts();
}

void TBoard::StepCard(TCard* card, uint32_t now)
{
    card->Elapsed = static_cast<int32_t>(now - card->StartTick);
    if (card->Elapsed > card->Duration) {
        card->SetPos(card->TargetX, card->TargetY);
        card->InvalidateCard();
        EraseMovingCard(card);
        if (card->Pile())
            card->Pile()->Realign();
    } else if (card->Elapsed >= 1) {
        const QPoint p = PacedPoint(*card);
        card->SetPos(p.x(), p.y());
    }
}

void TBoard::StepPile(TPile* pile, uint32_t now)
{
    pile->Elapsed = static_cast<int32_t>(now - pile->StartTick);
    if (pile->Elapsed > pile->Duration) {
        pile->SetPos(pile->TargetX, pile->TargetY);
        pile->InvalidatePile();
        pile->Moving = false;
        EraseFrom(movingPiles, pile);
        SyncQueueCounts();
        pile->Realign();
    } else if (pile->Elapsed >= 1) {
        const QPoint p = PacedPoint(*pile);
        // The cards follow one step behind the pile's point.
        pile->Realign();
        pile->SetPos(p.x(), p.y());
    }
}

void TBoard::AnimateCards()
{
    const uint32_t now = Clock::TickCount();
    for (int i = MovingCount() - 1; i >= 0 && i < MovingCount(); --i)
        StepCard(movingCards[static_cast<size_t>(i)], now);
}

void TBoard::AnimatePiles()
{
    const uint32_t now = Clock::TickCount();
    for (int i = int(movingPiles.size()) - 1; i >= 0 && i < int(movingPiles.size()); --i)
        StepPile(movingPiles[static_cast<size_t>(i)], now);
}

void TBoard::SyncQueueCounts()
{
    queuedCards.store(MovingCount());
    queuedPiles.store(static_cast<int>(movingPiles.size()));
    if (animateThread && (!movingCards.empty() || !movingPiles.empty()))
        animateThread->Wake();
}

void TBoard::SetAnimationEnabled(bool on)
{
    animationEnabled.store(on);
    if (on && animateThread)
        animateThread->Wake();
}

namespace {

// Posts a tick unless the last one is still waiting; a tick that never arrives (its
// event dropped) is given up after 20 rounds so animation cannot stall for good.
void PostTick(TBoard* board, int message, std::atomic<bool>& pending, int& skipped)
{
    if (pending.exchange(true) && ++skipped < 20)
        return;
    skipped = 0;
    PostMessage(board, message);
}

} // namespace

void TBoard::PostAnimationTicks()
{
    if (!AnimationEnabled())
        return;
    if (queuedCards.load() > 0)
        PostTick(this, WM_ANIMATECARDS, cardTickPending, cardTicksSkipped);
    if (queuedPiles.load() > 0)
        PostTick(this, WM_ANIMATEPILES, pileTickPending, pileTicksSkipped);
}

void TBoard::DestroyAnimateThread() { animateThread.reset(); }
