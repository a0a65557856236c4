#include "RulesModel.h"

#include <algorithm>
#include <bit>

namespace Model {

int CountOf(TCardSet set) { return std::popcount(set); }

std::vector<TCardId> CardsOf(TCardSet set)
{
    std::vector<TCardId> cards;
    for (; set; set &= set - 1)
        cards.push_back(TCardId(std::countr_zero(set)));
    return cards;
}

bool IsTrump(TCardId card, int trumps) { return SuitOf(card) == trumps; }

bool Beats(TCardId a, TCardId b, int trumps)
{
    if (SuitOf(a) == SuitOf(b))
        return RankOf(a) > RankOf(b);
    return IsTrump(a, trumps);
}

TCardId LowestOfSuit(TCardSet hand, int suit)
{
    const TCardSet ofSuit = (hand >> (suit * 9)) & 0x1FF;
    return ofSuit ? TCardId(suit * 9 + std::countr_zero(ofSuit)) : NoCard;
}

TCardId LowestNonTrump(TCardSet hand, int trumps)
{
    TCardId chosen = NoCard;
    for (int suit = 0; suit < 4; ++suit) {
        const TCardId card = suit == trumps ? NoCard : LowestOfSuit(hand, suit);
        if (card != NoCard && (chosen == NoCard || RankOf(card) < RankOf(chosen)))
            chosen = card;
    }
    return chosen != NoCard ? chosen : LowestOfSuit(hand, trumps);
}

TCardId CheapestBeater(TCardSet hand, TCardId card, int trumps)
{
    // Cards of the suit above this one are the higher bits of its suit.
    const int suit = SuitOf(card);
    const TCardSet above = hand & ~((Bit(card) << 1) - 1) & (TCardSet(0x1FF) << (suit * 9));
    if (above)
        return TCardId(std::countr_zero(above));
    return suit == trumps ? NoCard : LowestOfSuit(hand, trumps);
}

TCardId FindByRank(TCardSet hand, int rank, int trumps)
{
    TCardId trump = NoCard;
    for (int suit = 0; suit < 4; ++suit) {
        const TCardId card = CardOf(suit, rank);
        if (!(hand & Bit(card)))
            continue;
        if (suit != trumps)
            return card;
        trump = card;
    }
    return trump;
}

const char* PileName(TModelPile pile)
{
    static const char* const names[] = {"CpuHand", "HumanHand", "Deck", "Table", "Discard",
                                        "Circle"};
    return names[pile];
}

TSide TRulesModel::ToAct() const
{
    switch (State) {
    case msHumanAttacks:
    case msHumanDefends:
    case msHumanThrows:
    case msHumanGives:
    case msHumanCircle:
        return sdHuman;
    default:
        return sdCpu;
    }
}

bool TRepetitions::Note(const TPositionKey& key)
{
    for (auto& [position, times] : seen)
        if (position == key)
            return ++times == DrawAt;
    seen.push_back({key, 1});
    return false;
}

std::vector<TCardId> TRulesModel::Unseen() const
{
    // Gathered as a set, so that where they lay makes no difference.
    TCardSet unseen = Hand[sdHuman] & ~KnownHuman;
    const int last = HiddenDeckEnd();
    for (int i = 1; i < last; ++i)
        unseen |= Bit(Deck[i]);
    return CardsOf(unseen);
}

void TRulesModel::PlaceUnseen(const std::vector<TCardId>& cards)
{
    size_t next = 0;
    const int inHand = CountOf(Hand[sdHuman] & ~KnownHuman);
    Hand[sdHuman] &= KnownHuman;
    for (int i = 0; i < inHand; ++i)
        Hand[sdHuman] |= Bit(cards[next++]);
    const int last = HiddenDeckEnd();
    for (int i = 1; i < last; ++i)
        Deck[i] = cards[next++];
}

void TRulesModel::Determinize(std::mt19937& rng)
{
    std::vector<TCardId> cards = Unseen();
    std::shuffle(cards.begin(), cards.end(), rng);
    PlaceUnseen(cards);
}

void TRulesModel::HideUnseen() { PlaceUnseen(Unseen()); }

bool TRulesModel::HumanHandKnown() const
{
    return !(Hand[sdHuman] & ~KnownHuman) || HiddenDeckEnd() <= 1;
}

TPositionKey TRulesModel::PositionKey() const
{
    TPositionKey key;
    key.Hand[sdCpu] = Hand[sdCpu];
    key.Hand[sdHuman] = Hand[sdHuman];
    AddTableCards(key);
    key.Discard = uint8_t(CountOf(Discard));
    key.Deck = uint8_t(Deck.size());
    key.Attacker = ToAct();
    return key;
}

void TRulesModel::Step(TCardId card, TModelPile from, TModelPile to)
{
    if (Log)
        Log->push_back({card, from, to});
}

void TRulesModel::ToHand(TSide side, TCardId card, TModelPile from, bool seen)
{
    Hand[side] |= Bit(card);
    if (side == sdHuman && seen)
        KnownHuman |= Bit(card);
    Step(card, from, HandPile(side));
}

void TRulesModel::Draw(TSide side)
{
    const TCardId card = Deck.back();
    // The bottom card lies face up; it is the last one drawn.
    const bool seen = Deck.size() == 1 || DeckTopVisible();
    Deck.pop_back();
    ToHand(side, card, mpDeck, seen);
}

bool TRulesModel::DealHands(int size)
{
    for (int i = 0; i < size; ++i) {
        Draw(sdCpu);
        Draw(sdHuman);
    }
    const TCardSet trumps = TCardSet(0x1FF) << (Trumps * 9);
    if (!((Hand[sdCpu] | Hand[sdHuman]) & trumps)) {
        State = msRedeal;
        return false;
    }
    return true;
}

bool TRulesModel::CpuStarts() const
{
    const TCardId cpu = LowestOfSuit(Hand[sdCpu], Trumps);
    const TCardId human = LowestOfSuit(Hand[sdHuman], Trumps);
    return human == NoCard || (cpu != NoCard && cpu < human);
}

void TRulesModel::DealAndAttack(int size)
{
    if (DealHands(size))
        EnterAttack(CpuStarts() ? sdCpu : sdHuman);
}

void TRulesModel::Refill(int size, TSide attacker)
{
    for (TSide side : {Other(attacker), attacker})
        while (CountOf(Hand[side]) < size && !Deck.empty())
            Draw(side);
}

bool TRulesModel::GameOverBeforeAttack()
{
    if (!Deck.empty())
        return false;
    if (!Hand[sdHuman])
        Result = Hand[sdCpu] ? mrHumanWins : mrDraw;
    else if (!Hand[sdCpu])
        Result = mrCpuWins;
    else
        return false;
    return true;
}

bool TRulesModel::DrawnByRepetition()
{
    if (!Repetitions.Note(PositionKey()))
        return false;
    Result = mrDraw;
    return true;
}

} // namespace Model
