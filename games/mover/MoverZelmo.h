#pragma once
#include "PairTable.h"
#include "VariantGame.h"

#include <memory>

// Mover states; the shared ones (94 to 99) are the frame's.
constexpr int stMoverHumanAttacks = 1;
constexpr int stMoverCpuAttacks = 2;
constexpr int stMoverHumanDefends = 3;
constexpr int stMoverCpuDefends = 4;
constexpr int stMoverHumanThrows = 5;
constexpr int stMoverCpuThrows = 6;
constexpr int stMoverHumanMovesTable = 7;
constexpr int stMoverCpuMovesTable = 10;
constexpr int stMoverCpuAddsToTaker = 12;
constexpr int stMoverHumanAddsToTaker = 13;
constexpr int stMoverSlideTable = 19;

// The variant in which a defender who has beaten nothing yet may pass the attack on by
// playing a card of its rank: the table then slides over to the other player.
class TMover : public TVariantGame {
    Q_OBJECT
public:
    static constexpr int HandSize = 6;

    explicit TMover(QObject* owner);
    ~TMover() override;

    TCard* ChooseCard() override;
    void NewGame() override;
    void Deal() override;
    void ArrangePiles() override;
    const char* StatusText(int state) const override;
    TPileNames PileNames() const override;

    // Marks the human's cards that may be played in the current state.
    void MarkPlayable();

    TPile* Discard = nullptr;
    TPile* Table = nullptr;
    bool TableAtCpu = false;
    int ThrowLimit = 0;

protected:
    void CreatePiles() override;
    void RunPlayState(int state) override;

private:
    int TableY() const;
    void PlaceTable();

    // States.
    void HumanAttacks();
    void CpuAttacks();
    void HumanDefends();
    void CpuDefends();
    void HumanThrows();
    void CpuThrows();
    void SlideTable();
    void CpuAddsToTaker();
    void HumanAddsToTaker();

    // Steps shared by the states.
    bool OpenBout(bool humanAttacks);
    bool MovesTable(const TCard& card, const TCard& attack, const TPile& otherHand) const;
    bool LayOnTable(TCard* card);
    void AfterCover(TPile* attackerHand, int again, int attackerThrows, int nextBout);
    void Take(TPile* taker, TPile* attackerHand, int throwState, int nextBout);
    void HandTableTo(TPile* taker, int nextBout);

    // Strategy.
    TCard* ChooseDefence(const TPile& own, const TPile& other) const;
    TCard* ChooseThrow(const TPile& own);

    std::unique_ptr<TPairTable> pairs;
};
