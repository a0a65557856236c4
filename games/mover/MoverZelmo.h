#pragma once
#include "CardMoves.h"
#include "PairTable.h"
#include "ZelmoGame.h"

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
class TMover : public TZelmoGame {
    Q_OBJECT
public:
    explicit TMover(QObject* owner);
    ~TMover() override;

    void RunState(int state) override;
    TCard* ChooseCard() override;
    void Init(QWidget* parent) override;
    void NewGame() override;
    void Deal() override;
    void ArrangePiles() override;

    // Marks the human's cards that may be played in the current state.
    void MarkPlayable();
    // The status text of a state; nullptr leaves the hint as it is.
    static const char* StatusText(int state);

    TPile* CpuHand = nullptr;
    TPile* HumanHand = nullptr;
    TPile* Deck = nullptr;
    TPile* Discard = nullptr;
    TPile* Table = nullptr;
    bool TableAtCpu = false;
    int ThrowLimit = 0;

private:
    void CreatePiles();
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
    bool OpenBout(TPile* firstToDraw, TPile* secondToDraw, TWait refillWait);
    bool EndCheck();
    bool MovesTable(const TCard& card, const TCard& attack, const TPile& otherHand) const;
    bool LayOnTable(TCard* card);
    void AfterCover(TPile* attackerHand, int again, int attackerThrows, int nextBout);
    void Take(TPile* taker, TPile* attackerHand, int throwState, int nextBout);
    void HandTableTo(TPile* taker, int nextBout);
    bool OwnedByHuman(const TCard* card) const { return card && card->Pile() == HumanHand; }
    void ClearInput();

    // Strategy.
    TCard* ChooseDefence(const TPile& own, const TPile& other) const;
    TCard* ChooseThrow(const TPile& own);
    bool IsTrump(const TCard& card) const { return card.Suit() == Board->Trumps(); }

    std::unique_ptr<TCardMoves> moves;
    std::unique_ptr<TPairTable> pairs;
};
