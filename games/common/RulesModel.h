#pragma once
// The rules of the variants as plain, copyable state: no board, no animation, no waits.
// A strong computer player searches it; tests replay real games through it.
#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

namespace Model {

// A card as a number: suit (Clubs, Diamonds, Hearts, Spades) times 9 plus rank - 6,
// ranks running from Six (6) to Ace (14).
using TCardId = int8_t;
constexpr int CardCount = 36;
constexpr TCardId NoCard = -1;
constexpr int SuitOf(TCardId card) { return card / 9; }
constexpr int RankOf(TCardId card) { return card % 9 + 6; }
constexpr TCardId CardOf(int suit, int rank) { return TCardId(suit * 9 + rank - 6); }

using TCardSet = uint64_t;
constexpr TCardSet Bit(TCardId card) { return TCardSet(1) << card; }
int CountOf(TCardSet set);
// The cards of a set in ascending order.
std::vector<TCardId> CardsOf(TCardSet set);

bool IsTrump(TCardId card, int trumps);
// A trump beats any non-trump; otherwise only a higher card of the same suit beats.
bool Beats(TCardId a, TCardId b, int trumps);
// The non-trump of lowest rank (equal ranks: the suit first in suit order); from a hand
// of trumps the lowest trump; NoCard from an empty hand.
TCardId LowestNonTrump(TCardSet hand, int trumps);
TCardId LowestOfSuit(TCardSet hand, int suit);
// The lowest card of card's suit above it, else the lowest trump against a non-trump.
TCardId CheapestBeater(TCardSet hand, TCardId card, int trumps);
// A card of the rank, a non-trump before a trump.
TCardId FindByRank(TCardSet hand, int rank, int trumps);

enum TSide : uint8_t { sdCpu, sdHuman };
constexpr TSide Other(TSide side) { return side == sdCpu ? sdHuman : sdCpu; }

// The piles as the games name them.
enum TModelPile : uint8_t { mpCpuHand, mpHumanHand, mpDeck, mpTable, mpDiscard, mpCircle };
const char* PileName(TModelPile pile);

enum TMoveKind : uint8_t {
    mkPlay, // a card of the own hand, or the circle card to capture
    mkTake, // the defender takes
    mkDone, // no more cards to throw or give; at the circle: pass
    mkOpen, // who opens Round's circle phase, drawn at random: Card is the side
};

struct TModelMove {
    TMoveKind Kind = mkDone;
    TCardId Card = NoCard;
    bool Alt = false; // played with the right button: covers rather than moves the table
    bool operator==(const TModelMove&) const = default;
};

// One card leaving one pile for another, as the game shows it.
struct TModelStep {
    TCardId Card;
    TModelPile From;
    TModelPile To;
    bool operator==(const TModelStep&) const = default;
};

// The state numbers the games use.
constexpr int msDeal = 96;
constexpr int msHumanAttacks = 1, msCpuAttacks = 2, msHumanDefends = 3, msCpuDefends = 4;
constexpr int msHumanThrows = 5, msCpuThrows = 6, msCpuGives = 12, msHumanGives = 13;
constexpr int msHumanCircle = 101, msCpuCircle = 102;
constexpr int msRedeal = 95; // nobody was dealt a trump: the game deals again
constexpr int AttackState(TSide side) { return side == sdHuman ? msHumanAttacks : msCpuAttacks; }
constexpr int DefendState(TSide side) { return side == sdHuman ? msHumanDefends : msCpuDefends; }

// Results as the game-over dialog reads them.
constexpr int mrDraw = 0, mrHumanWins = 1, mrCpuWins = 2;

// A position as the draw by repetition compares it, taken when a side is about to make
// the first attack of a bout: both hands, the table (or heap) in order, how many cards
// the discard pile and the deck hold, and who attacks. Nothing else counts.
struct TPositionKey {
    TCardSet Hand[2] = {0, 0}; // by TSide
    std::array<TCardId, CardCount> Table{};
    uint8_t TableCount = 0;
    uint8_t Discard = 0;
    uint8_t Deck = 0;
    TSide Attacker = sdCpu;

    void AddTableCard(TCardId card) { Table[TableCount++] = card; }
    auto operator<=>(const TPositionKey&) const = default;
};

// The positions noted in one game. Both sides play fixed rules when nobody intervenes,
// so a position that comes round twice comes round for ever: the third time is a draw.
class TRepetitions {
public:
    static constexpr int DrawAt = 3;
    // Notes the position; true when this is the time that makes the game a draw.
    bool Note(const TPositionKey& key);
    void Clear() { seen.clear(); }

private:
    // Few enough (one a bout) to be searched in turn, and cheap to copy in a search.
    std::vector<std::pair<TPositionKey, int>> seen;
};

// A position of one variant and the moves from it. Every move runs on through what
// follows by itself (clearing, refilling, taking, dealing a circle) up to the next
// choice or the end of the game.
class TRulesModel {
public:
    virtual ~TRulesModel() = default;
    virtual std::unique_ptr<TRulesModel> Clone() const = 0;
    // Deals from Deck, the shuffled deck: on to the first choice, or to msRedeal when
    // nobody was dealt a trump.
    virtual void Deal() = 0;

    // The legal moves of the side to act; none once the game is over.
    virtual void LegalMoves(std::vector<TModelMove>& moves) const = 0;
    virtual void Play(const TModelMove& move) = 0;
    // The fixed greedy rules of the classic computer player (hand order aside).
    virtual TModelMove ClassicMove() const = 0;
    // Deals the cards the CPU cannot see anew at random, keeping what it has seen.
    void Determinize(std::mt19937& rng);
    // The same in a fixed order: what the position shows the CPU, nothing more.
    void HideUnseen();
    // Whether the CPU can tell the human's whole hand: it has seen every card of it, or
    // no unseen card is left anywhere else.
    bool HumanHandKnown() const;
    // The position the attacker faces now, as the draw by repetition compares it.
    TPositionKey PositionKey() const;

    bool Over() const { return Result >= 0 || State == msRedeal; }
    TSide ToAct() const;
    bool Beats(TCardId a, TCardId b) const { return Model::Beats(a, b, Trumps); }
    bool IsTrump(TCardId card) const { return Model::IsTrump(card, Trumps); }

    int State = msDeal;
    int Result = -1;
    int Trumps = 0;
    TCardSet Hand[2] = {0, 0}; // by TSide
    std::vector<TCardId> Deck; // index 0 at the bottom, face up
    TCardSet Discard = 0;
    // The human's cards the CPU has seen arrive face up.
    TCardSet KnownHuman = 0;
    // When set, every card move is written here.
    std::vector<TModelStep>* Log = nullptr;
    // The positions noted so far this game.
    TRepetitions Repetitions;

protected:
    TRulesModel() = default;
    TRulesModel(const TRulesModel&) = default;

    // Whether the deck's top card lies face up too, not only its bottom one.
    virtual bool DeckTopVisible() const { return false; }
    void Step(TCardId card, TModelPile from, TModelPile to);
    static TModelPile HandPile(TSide side) { return side == sdCpu ? mpCpuHand : mpHumanHand; }
    // Takes a card into a hand, noting whether the CPU has seen it.
    void ToHand(TSide side, TCardId card, TModelPile from, bool seen);
    // The deck's top card into side's hand.
    void Draw(TSide side);
    // Deals size cards each, alternately, the CPU first; then either the side to start
    // or, with no trump dealt, msRedeal.
    bool DealHands(int size);
    bool CpuStarts() const;
    // Deals size cards each and lets the side that starts make the first attack.
    void DealAndAttack(int size);
    // The side is about to make the first attack of a bout.
    virtual void EnterAttack(TSide side) = 0;
    // Refills both hands up to size, the defender first.
    void Refill(int size, TSide attacker);
    // With the deck empty, an empty hand ends the game. Whether it has ended.
    bool GameOverBeforeAttack();
    // Notes the position of the attack about to be made; the third time is a draw.
    // Whether the game has ended so.
    bool DrawnByRepetition();
    // The cards on the table or heap, in order, placeholders left out.
    virtual void AddTableCards(TPositionKey& key) const = 0;

private:
    // The unseen cards, ascending, and puts cards (as many) in their places.
    std::vector<TCardId> Unseen() const;
    // The deck's cards the CPU cannot see: those from index 1 up to this one.
    int HiddenDeckEnd() const { return int(Deck.size()) - (DeckTopVisible() ? 1 : 0); }
    void PlaceUnseen(const std::vector<TCardId>& cards);
};

// A new game of a variant from the shuffled deck (index 0 at the bottom) and trumps;
// log, when given, receives the deal's moves.
template <class TModel>
TModel Dealt(std::vector<TCardId> deck, int trumps, std::vector<TModelStep>* log = nullptr)
{
    TModel model;
    model.Deck = std::move(deck);
    model.Trumps = trumps;
    model.Log = log;
    model.Deal();
    model.Log = nullptr;
    return model;
}

} // namespace Model
