#include "BoutModel.h"

namespace Model {

namespace {

bool PrefersTarget(TCardId candidate, TCardId current, int trumps)
{
    const bool trumpOverPlain = IsTrump(candidate, trumps) && !IsTrump(current, trumps);
    const bool higherOfSuit =
        SuitOf(candidate) == SuitOf(current) && RankOf(candidate) > RankOf(current);
    return trumpOverPlain || higherOfSuit;
}

TCardSet OfRank(int rank)
{
    TCardSet set = 0;
    for (int suit = 0; suit < 4; ++suit)
        set |= Bit(CardOf(suit, rank));
    return set;
}

} // namespace

int TPairModel::FirstUndefended() const
{
    for (size_t i = 0; i < Pairs.size(); ++i)
        if (Pairs[i].second == NoCard)
            return int(i);
    return -1;
}

bool TPairModel::NothingBeatenYet() const
{
    for (const auto& [attack, cover] : Pairs)
        if (cover != NoCard)
            return false;
    return true;
}

TCardSet TPairModel::Real() const
{
    TCardSet set = 0;
    for (const auto& [attack, cover] : Pairs)
        set |= Bit(attack) | (cover == NoCard ? 0 : Bit(cover));
    return set;
}

bool TPairModel::HasRank(int rank) const { return Real() & OfRank(rank); }

TCardSet TPairModel::Addable(TCardSet hand) const
{
    TCardSet ranks = 0;
    for (TCardId card : CardsOf(Real()))
        ranks |= OfRank(RankOf(card));
    return hand & ranks;
}

int TPairModel::HumanTarget(TCardId card, int trumps) const
{
    int target = -1;
    for (size_t i = 0; i < Pairs.size(); ++i) {
        const TCardId attack = Pairs[i].first;
        if (Pairs[i].second != NoCard || !Beats(card, attack, trumps))
            continue;
        if (target < 0 || PrefersTarget(attack, Pairs[target].first, trumps))
            target = int(i);
    }
    return target;
}

void TBoutModel::LegalMoves(std::vector<TModelMove>& moves) const
{
    moves.clear();
    if (Over())
        return;
    const TSide side = ToAct();
    const TCardSet hand = Hand[side];
    switch (State) {
    case msHumanAttacks:
    case msCpuAttacks:
        for (TCardId card : CardsOf(hand))
            moves.push_back({mkPlay, card});
        break;
    case msHumanDefends:
    case msCpuDefends:
        moves.push_back({mkTake});
        for (TCardId card : CardsOf(hand)) {
            const int left = Resolve(side, card, false);
            if (left != -1)
                moves.push_back({mkPlay, card});
            // Only the human can tell the game to cover rather than pass the attack on.
            if (side == sdHuman && left == -2 && Resolve(side, card, true) >= 0)
                moves.push_back({mkPlay, card, true});
        }
        break;
    case msHumanThrows:
    case msCpuThrows:
    case msHumanGives:
    case msCpuGives:
        moves.push_back({mkDone});
        for (TCardId card : CardsOf(Table.Addable(hand)))
            moves.push_back({mkPlay, card});
        break;
    default:
        OwnMoves(moves);
        break;
    }
}

bool TBoutModel::MayMoveTable(TSide defender, TCardId card, TCardId attack, bool alt) const
{
    // The other hand must face every attack card there will be after the move.
    return rules.MovesTable && !alt && RankOf(card) == RankOf(attack) &&
           Table.NothingBeatenYet() && CountOf(Hand[Other(defender)]) >= Table.Count() / 2 + 1;
}

int TBoutModel::Resolve(TSide defender, TCardId card, bool alt) const
{
    // The game tries the open attacks in table order.
    for (size_t i = 0; i < Table.Pairs.size(); ++i) {
        const auto [attack, cover] = Table.Pairs[i];
        if (cover != NoCard)
            continue;
        if (MayMoveTable(defender, card, attack, alt))
            return -2;
        if (Beats(card, attack))
            return defender == sdHuman ? Table.HumanTarget(card, Trumps) : int(i);
    }
    return -1;
}

void TBoutModel::Play(const TModelMove& move)
{
    const TSide side = ToAct();
    switch (State) {
    case msHumanAttacks:
    case msCpuAttacks:
        Lay(side, move.Card);
        State = DefendState(Other(side));
        break;
    case msHumanDefends:
    case msCpuDefends:
        Defend(side, move);
        break;
    case msHumanThrows:
    case msCpuThrows:
        // The thrower attacked this bout; the other side defended everything.
        if (move.Kind == mkDone) {
            EnterAttack(Other(side));
        } else {
            Lay(side, move.Card);
            State = DefendState(Other(side));
        }
        break;
    case msHumanGives:
    case msCpuGives:
        if (move.Kind == mkDone) {
            HandOver(Other(side));
        } else {
            Lay(side, move.Card);
            --ThrowLimit;
            EnterGive(side);
        }
        break;
    default:
        PlayOwn(move);
        break;
    }
}

void TBoutModel::Lay(TSide side, TCardId card)
{
    Hand[side] &= ~Bit(card);
    Table.Pairs.push_back({card, NoCard});
    Step(card, HandPile(side), mpTable);
}

void TBoutModel::Defend(TSide defender, const TModelMove& move)
{
    if (move.Kind == mkTake) {
        Take(defender);
        return;
    }
    const int target = Resolve(defender, move.Card, move.Alt);
    if (target == -2) {
        Lay(defender, move.Card);
        State = DefendState(Other(defender));
        return;
    }
    Hand[defender] &= ~Bit(move.Card);
    Table.Pairs[target].second = move.Card;
    Step(move.Card, HandPile(defender), mpTable);
    AfterCover(defender);
}

void TBoutModel::AfterCover(TSide defender)
{
    if (Table.FirstUndefended() >= 0)
        State = DefendState(defender);
    else if (Table.Addable(Hand[Other(defender)]))
        EnterThrow(Other(defender));
    else
        EnterAttack(defender);
}

void TBoutModel::EnterThrow(TSide thrower)
{
    if (!Hand[sdCpu] || !Hand[sdHuman])
        EnterAttack(Other(thrower));
    else
        State = thrower == sdHuman ? msHumanThrows : msCpuThrows;
}

void TBoutModel::Take(TSide defender)
{
    ThrowLimit = CountOf(Hand[defender]) - 1;
    EnterGive(Other(defender));
}

void TBoutModel::EnterGive(TSide giver)
{
    if (ThrowLimit > 0 && Table.Addable(Hand[giver]))
        State = giver == sdHuman ? msHumanGives : msCpuGives;
    else
        HandOver(Other(giver));
}

void TBoutModel::HandOver(TSide taker)
{
    for (auto it = Table.Pairs.rbegin(); it != Table.Pairs.rend(); ++it) {
        if (it->second != NoCard)
            ToHand(taker, it->second, mpTable, true);
        ToHand(taker, it->first, mpTable, true);
    }
    Table.Pairs.clear();
    EnterAttack(Other(taker));
}

void TBoutModel::EnterAttack(TSide side)
{
    for (const auto& [attack, cover] : Table.Pairs) {
        Discard |= Bit(attack);
        Step(attack, mpTable, mpDiscard);
        if (cover != NoCard) {
            Discard |= Bit(cover);
            Step(cover, mpTable, mpDiscard);
        }
    }
    Table.Pairs.clear();
    if (rules.HandSize > 0)
        Refill(rules.HandSize, side);
    if (GameOverBeforeAttack())
        return;
    State = AttackState(side);
    DrawnByRepetition();
}

void TBoutModel::AddTableCards(TPositionKey& key) const
{
    for (const auto& [attack, cover] : Table.Pairs) {
        key.AddTableCard(attack);
        if (cover != NoCard)
            key.AddTableCard(cover);
    }
}

TModelMove TBoutModel::ClassicMove() const
{
    const TSide side = ToAct();
    const TCardSet hand = Hand[side];
    // Trumps are kept back while the deck can still refill the hand.
    const bool spendTrumps = Deck.size() < 2;
    switch (State) {
    case msHumanAttacks:
    case msCpuAttacks:
        return {mkPlay, LowestNonTrump(hand, Trumps)};
    case msHumanDefends:
    case msCpuDefends: {
        const TCardSet other = Hand[Other(side)];
        if (rules.MovesTable && Table.NothingBeatenYet() &&
            CountOf(other) >= Table.Count() / 2 + 1)
            for (const auto& [attack, cover] : Table.Pairs) {
                const TCardId same = FindByRank(hand, RankOf(attack), Trumps);
                if (same != NoCard && (spendTrumps || !IsTrump(same)))
                    return {mkPlay, same};
            }
        const int first = Table.FirstUndefended();
        const TCardId beater = CheapestBeater(hand, Table.Pairs[first].first, Trumps);
        if (beater != NoCard)
            return {mkPlay, beater};
        return {mkTake};
    }
    case msHumanThrows:
    case msCpuThrows:
    case msHumanGives:
    case msCpuGives:
        for (TCardId card : CardsOf(Table.Real())) {
            const TCardId same = FindByRank(hand, RankOf(card), Trumps);
            if (same != NoCard && (spendTrumps || !IsTrump(same)))
                return {mkPlay, same};
        }
        return {mkDone};
    default:
        return ClassicOwn();
    }
}

} // namespace Model
