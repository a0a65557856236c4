#pragma once
#include "BoutModel.h"
#include "PairTable.h"
#include "VariantGame.h"

#include <memory>

// What the human may do after a full defence, and in Mover also while the CPU takes.
constexpr const char* ThrowMoreText = QT_TRANSLATE_NOOP(
    "TVariantGame", "Click your card to throw more, click right mouse button if that's it");

// The states of an attack-and-defend bout beyond attacking and defending (1 to 4).
constexpr int stHumanThrows = 5;     // after the CPU has covered every attack
constexpr int stCpuThrows = 6;       // after the human has covered every attack
constexpr int stCpuAddsToTaker = 12; // the human takes
constexpr int stHumanAddsToTaker = 13;

// Where the variants' bouts part ways on a fixed rule.
struct TBoutRules {
    // How far below the CPU's hand the table lies while the CPU defends.
    int TableBelowCpu = 105;
    // The human's attack places the table on any press, not only on a card played.
    bool PlaceTableOnAnyPress = false;
    // A taker is offered more cards only while ThrowLimit is above 0.
    bool GiveOnlyWithinLimit = true;
    // The board settles before a taker who is given nothing more gets the table.
    bool SettleBeforeTaking = false;
};

// A variant whose play is the bout: the attacker lays a card on the table, the defender
// covers it or takes the table, and after a full defence the attacker may throw more of
// the ranks on the table; a taker may be given more. The defence is one routine for both
// sides; the variants fill in what their rules do differently.
class TBoutGame : public TVariantGame {
    Q_OBJECT
public:
    // statusTexts: the variant's own, added to those every bout shows alike.
    TBoutGame(QObject* owner, const TBoutRules& rules, TStatusTexts statusTexts);
    ~TBoutGame() override;

    // A placeholder chosen for taking is never drawn: the attack it belongs to stands in.
    TCard* HintCard() override;
    void MarkPlayable() override;
    // The bout's states and the variant's own.
    std::vector<int> PlayStates() const final;
    const TPile* PairPile() const override { return Table; }
    // Escape ends throwing more as the right button does.
    bool EndsOnRightPress() const override;

    TPile* Discard = nullptr;
    bool TableAtCpu = false;
    int ThrowLimit = 0;

protected:
    // One side of the bout as the defender, with where each outcome leads.
    struct TSide {
        bool Human;
        TPile* Hand;
        TPile* AttackerHand;
        int Defends;        // this state again
        int AttackerThrows; // everything covered, the attacker may throw more
        int DefenderLeads;  // everything covered, nothing thrown: the next bout
        int AttackerGives;  // taken, the attacker may give more
        int AttackerLeads;  // taken: the next bout
    };

    // The table of pairs and the discard pile, in that board order.
    void CreateTableAndDiscard();
    int TableY() const;
    // Sets the table beside the defender's hand, repainting its old and new areas.
    virtual void PlaceTable();

    // Clears the beaten table, then PrepareBout.
    bool OpenAttack(bool humanAttacks) override;
    // Places the table beside the defender.
    void FaceAttack(bool humanAttacks, bool played) override;
    bool LayAttack(TCard* card) override { return LayOnTable(card); }
    void HumanDefends() override { Defend(HumanSide()); }
    void CpuDefends() override { Defend(CpuSide()); }
    void RunPlayState(int state) override;
    // The bout's choices; other states ask ChooseOwnCard.
    TCard* ChoosePlay() override;
    bool HumansTurn() const override;

    // A state outside the bout, and the numbers of all such states.
    virtual void RunOwnState(int state) = 0;
    virtual std::vector<int> OwnStates() const = 0;
    // The choice in a state outside the bout.
    virtual TCard* ChooseOwnCard() { return nullptr; }
    // Before an attack, once the beaten table is gone: refills and the end check.
    // False when the game has ended or stopped.
    virtual bool PrepareBout(bool humanAttacks) = 0;
    // State 12.
    virtual void CpuAddsToTaker() = 0;

    // Passing the bout on: whether card, played against attack, moves the table to the
    // other hand, and doing it. None by default.
    virtual bool TryMoveTable(TCard* card, const TCard& attack, const TSide& side);
    // Whether the human's card is marked in defence for what it could pass on.
    virtual bool MarksAsMove(const TCard& card, const TCard& attack) const;
    virtual TCard* ChooseTableMove(const TPile& own, const TPile& other) const;

    // Steps for the variants' own states.
    bool LayOnTable(TCard* card);
    // Lays a card given to the taker and counts it; false when the game stopped.
    bool GiveToTaker(TCard* card);
    void HandTableTo(TPile* taker, int nextBout);
    TPairTable& Pairs() const { return *pairs; }
    // The pairs, the limit and the discard pile; the model must be a bout's.
    void FillModel(Model::TRulesModel& model) const override;
    TCard* TakeCard() const override;

private:
    TSide HumanSide() const;
    TSide CpuSide() const;

    // States.
    void Defend(const TSide& side);
    void HumanThrows();
    void CpuThrows();
    void HumanAddsToTaker();

    bool Cover(TCard* card, const TSide& side);
    void AfterCover(const TSide& side);
    void Take(const TSide& side);

    // Strategy.
    TCard* ChooseDefence(const TPile& own, const TPile& other) const;
    TCard* ChooseThrow(const TPile& own);

    TBoutRules rules;
    std::unique_ptr<TPairTable> pairs;
};
