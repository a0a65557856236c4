#include "RoundModel.h"

#include <algorithm>

namespace Model {

void TRoundModel::Deal()
{
    DealCircle();
    State = msDeal;
}

std::unique_ptr<TRulesModel> TRoundModel::Clone() const
{
    return std::make_unique<TRoundModel>(*this);
}

void TRoundModel::DealCircle()
{
    for (int i = std::min<int>(CircleSize, int(Deck.size())); i > 0; --i) {
        Circle |= Bit(Deck.back());
        Step(Deck.back(), mpDeck, mpCircle);
        Deck.pop_back();
    }
}

TCardSet TRoundModel::Capturable() const
{
    TCardSet cards = 0;
    if (!Deck.empty())
        for (TCardId card : CardsOf(Circle))
            if (Beats(Deck.back(), card))
                cards |= Bit(card);
    return cards;
}

void TRoundModel::OwnMoves(std::vector<TModelMove>& moves) const
{
    if (State == msDeal) {
        moves.push_back({mkOpen, TCardId(sdHuman)});
        moves.push_back({mkOpen, TCardId(sdCpu)});
        return;
    }
    const TCardSet capturable = Capturable();
    for (TCardId card : CardsOf(capturable))
        moves.push_back({mkPlay, card});
    // The human must capture when able; the computer may always pass.
    if (!capturable || ToAct() == sdCpu)
        moves.push_back({mkDone});
}

void TRoundModel::PlayOwn(const TModelMove& move)
{
    if (move.Kind == mkOpen) {
        CircleTurn(TSide(move.Card));
        return;
    }
    const TSide side = ToAct();
    const TCardId top = Deck.back();
    Deck.pop_back();
    Step(top, mpDeck, mpCircle);
    if (move.Kind == mkDone) {
        Circle |= Bit(top);
        CircleTurn(Other(side));
        return;
    }
    // The capturing card rests on its catch, then both go to the hand.
    ToHand(side, top, mpCircle, true);
    Circle &= ~Bit(move.Card);
    ToHand(side, move.Card, mpCircle, true);
    CircleTurn(side);
}

void TRoundModel::CircleTurn(TSide side)
{
    for (;;) {
        if (Circle && !Deck.empty()) {
            State = side == sdHuman ? msHumanCircle : msCpuCircle;
            return;
        }
        if (Circle) {
            for (TCardId card : CardsOf(Circle))
                ToHand(side, card, mpCircle, true);
            Circle = 0;
        } else if (!Deck.empty()) {
            DealCircle();
        } else {
            EnterAttack(CpuStarts() ? sdCpu : sdHuman);
            return;
        }
    }
}

TModelMove TRoundModel::ClassicOwn() const
{
    // The best trump when any can be taken, else the best of the first capturable suit.
    TCardId choice = NoCard;
    for (TCardId card : CardsOf(Capturable())) {
        const bool better = choice == NoCard || (IsTrump(card) && !IsTrump(choice)) ||
                            (SuitOf(card) == SuitOf(choice) && RankOf(card) > RankOf(choice));
        if (better)
            choice = card;
    }
    return choice == NoCard ? TModelMove{mkDone} : TModelMove{mkPlay, choice};
}

} // namespace Model
