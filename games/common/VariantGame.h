#pragma once
#include "CardMoves.h"
#include "RulesModel.h"
#include "StrongPlayer.h"
#include "ZelmoGame.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The attack and defence states every variant has; the shared ones (94 to 99) are the
// frame's.
constexpr int stHumanAttacks = 1;
constexpr int stCpuAttacks = 2;
constexpr int stHumanDefends = 3;
constexpr int stCpuDefends = 4;

// Hand geometry every variant shares.
constexpr int HandStep = 73;  // pixels between hand cards once play starts
constexpr int HandHeight = 97;

// What every variant is made of: the CPU's hand along the top edge, the human's along
// the bottom, the 36-card deck, the shared states 94 to 99, the attack states, and the
// steps each variant takes the same way (gathering, dealing hands, refilling, the end
// check, input).
class TVariantGame : public TZelmoGame {
    Q_OBJECT
public:
    using TPileNames = std::vector<std::pair<const TPile*, std::string>>;
    // The status line of every state that has one; the others leave it as it is.
    using TStatusTexts = std::map<int, const char*>;

    TVariantGame(QObject* owner, TStatusTexts statusTexts);
    ~TVariantGame() override;

    // Nothing once stopped; 94 posts the current state again; otherwise the state is
    // stored, its status text shown, and 95, 96, the attack states and the game-over
    // states run as in every variant, the rest as the variant says.
    void RunState(int state) final;
    // The lowest non-trump leads (a trump only from a hand of trumps); any other state
    // asks ChoosePlay.
    TCard* ChooseCard() final;
    // Marks the human's cards that may be played in the current state.
    virtual void MarkPlayable() = 0;
    // The frame's set-up, the board, the piles and cards, then ArrangePiles.
    void Init(QWidget* parent) override;

    // The status text of a state; nullptr when it has none.
    const char* StatusText(int state) const;
    // Every pile with its field name, as traces and tests call it.
    const TPileNames& PileNames() const { return pileNames; }
    // The hands along the top and bottom edges, then the variant's other piles.
    void ArrangePiles() final;
    // The numbers of the variant's own states, those RunPlayState runs.
    virtual std::vector<int> PlayStates() const = 0;
    // Whether State may hold this number once a step has run.
    bool IsState(int state) const;
    // The pile of attack/cover pairs with their placeholders; none by default.
    virtual const TPile* PairPile() const { return nullptr; }
    // The human's hand, left to right, and in defence the table card that means taking.
    std::vector<TCard*> PressableCards() const override;
    QString PileTitle(const TPile& pile) const override;

    // The position as the CPU knows it: the cards it has not seen are dealt in a fixed
    // order, whatever they really are.
    std::unique_ptr<Model::TRulesModel> Position() const;
    // The human's cards the CPU has seen arrive face up this game.
    Model::TCardSet KnownHuman() const { return knownHuman; }
    TStrongPlayer& StrongPlayer() { return strong; }

    TPile* CpuHand = nullptr;
    TPile* HumanHand = nullptr;
    TPile* Deck = nullptr;
    TPile* Table = nullptr; // the bout's pairs, or Heap's heap

protected:
    // Creates the variant's piles (and the deck with its cards) in board order.
    virtual void CreatePiles() = 0;
    // Places the piles other than the hands on a board w wide and h high.
    virtual void PlacePiles(int w, int h) = 0;
    // Records the field name of a pile just created.
    TPile* Named(TPile* pile, std::string name);

    // Before an attack: what comes first (clearing, refilling, the end check). False
    // when the game has ended or stopped.
    virtual bool OpenAttack(bool humanAttacks) = 0;
    // The attacker is known: the human has pressed (played: a card of the hand), or the
    // CPU is about to choose. Nothing by default.
    virtual void FaceAttack(bool humanAttacks, bool played);
    // Puts the attacking card where the defender must answer it; false when stopped.
    virtual bool LayAttack(TCard* card) = 0;
    virtual void HumanDefends() = 0;
    virtual void CpuDefends() = 0;
    // A state beyond attacking and defending; none by default.
    virtual void RunPlayState(int state);
    // The choice in a state other than an attack.
    virtual TCard* ChoosePlay() = 0;
    // Whether the current state is the human's to play; the attack and defence states
    // by default.
    virtual bool HumansTurn() const;
    // The hand of the side whose turn it is, and the other one.
    const TPile& OwnHand() const { return HumansTurn() ? *HumanHand : *CpuHand; }
    const TPile& OtherHand() const { return HumansTurn() ? *CpuHand : *HumanHand; }

    // The two hands, CPU's first; pileW is the step between their cards.
    void CreateHands(int pileW);
    // A small squared-up stack such as the deck or the discard pile.
    TPile* CreateStack(TShowCards show);
    // The deck as a stack showing its bottom card, with the 36 cards in it.
    void CreateDeck(TShowCards show);

    // Cuts off the board's clicks, gathers the piles into the deck in the order given,
    // shuffles and fixes trumps. False when stopped on the way.
    bool GatherAndShuffle(std::initializer_list<TPile*> piles);
    // Deals handSize cards to each hand, one at a time and alternately, starting with
    // the CPU when cpuFirst. When neither hand holds a trump, posts 95 to deal again.
    // Whether the CPU (with the lower trump) starts; nothing when re-dealing or stopped.
    std::optional<bool> DealHands(int handSize, bool cpuFirst);
    // Sorts the human's hand, posts the first state, places the piles for play and
    // listens to the board.
    void BeginPlay(int firstState);
    // Fills both hands up to size from the deck: the side about to defend draws first;
    // before the human's attack each card overlaps the next, before the CPU's each
    // arrives first. Then waits for the board. False when stopped.
    bool RefillHands(int size, bool humanAttacks);
    // With the deck empty, an empty hand ends the game: posts 97, 98 or 99 and returns
    // true; otherwise false.
    bool GameOverBeforeAttack();
    // Notes the position a side is about to attack in, once a bout; the third time the
    // same position comes round posts 99 and returns true.
    bool DrawnByRepetition();

    // Input that has been acted on, so that nobody reads it again.
    void ClearInput();
    bool OwnedByHuman(const TCard* card) const { return card && card->Pile() == HumanHand; }
    // Marks exactly the human's cards that may be played.
    void MarkHand(const std::function<bool(const TCard&)>& playable);
    // The card of the table a press on which takes: its top real card.
    virtual TCard* TakeCard() const = 0;
    // "CPU plays Nine of Spades": tells the player what the computer did with a card.
    void AnnounceCpu(const char* what, const TCard& card);
    void AnnounceCpu(const char* what, const TCard& card, const TCard& other);

    TCardMoves& Moves() const { return *moves; }

    // The CPU's own move: the classic rules, or the strong player's when this game is
    // played against it; nothing when the game stopped while it thought. The hint and
    // autoplay stay with ChooseCard.
    std::optional<TCard*> CpuChoice();
    // An empty rules model of the variant, and what the variant adds to its position.
    virtual std::unique_ptr<Model::TRulesModel> NewModel() const = 0;
    virtual void FillModel(Model::TRulesModel& model) const;
    static Model::TCardId CardId(const TCard& card);
    static Model::TCardSet CardSet(const TPile& pile);

private:
    void HumanAttacks();
    void CpuAttacks();
    // Says in the status line, over the game-over dialog, why the game is a draw.
    void ExplainRepetition();
    // Notes a card the CPU sees arrive in the human's hand.
    void NoteArrival(const TCard& card, const TPile* from);
    TCard* CardOf(const Model::TModelMove& move) const;

    std::unique_ptr<TCardMoves> moves;
    TPileNames pileNames;
    TStatusTexts statusTexts;
    Model::TCardSet knownHuman = 0;
    Model::TRepetitions repetitions;
    // Those of the positions whose every card the CPU could tell: what the strong player
    // may count on.
    Model::TRepetitions repetitionsSeen;
    bool endedByRepetition = false;
    TStrongPlayer strong;
    bool strongThisGame = false;
};
