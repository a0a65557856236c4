#pragma once
#include "BoutGame.h"

// Mover states; the bout's come from the bout, the shared ones (94 to 99) from the frame.
constexpr int stMoverHumanAttacks = stHumanAttacks;
constexpr int stMoverCpuAttacks = stCpuAttacks;
constexpr int stMoverHumanDefends = stHumanDefends;
constexpr int stMoverCpuDefends = stCpuDefends;
constexpr int stMoverHumanThrows = stHumanThrows;
constexpr int stMoverCpuThrows = stCpuThrows;
constexpr int stMoverHumanMovesTable = 7;
constexpr int stMoverCpuMovesTable = 10;
constexpr int stMoverCpuAddsToTaker = stCpuAddsToTaker;
constexpr int stMoverHumanAddsToTaker = stHumanAddsToTaker;
constexpr int stMoverSlideTable = 19;

// The variant in which a defender who has beaten nothing yet may pass the attack on by
// playing a card of its rank: the table then slides over to the other player.
class TMover : public TBoutGame {
public:
    explicit TMover(QObject* owner);

    void NewGame() override;
    void Deal() override;

protected:
    void CreatePiles() override;
    void PlacePiles(int w, int h) override;
    void RunOwnState(int state) override;
    std::vector<int> OwnStates() const override;
    bool PrepareBout(bool humanAttacks) override;
    void CpuAddsToTaker() override;
    std::unique_ptr<Model::TRulesModel> NewModel() const override;

    // Moving the table.
    bool TryMoveTable(TCard* card, const TCard& attack, const TSide& side) override;
    bool MarksAsMove(const TCard& card, const TCard& attack) const override;
    TCard* ChooseTableMove(const TPile& own, const TPile& other) const override;

private:
    static constexpr int HandSize = 6;

    bool MovesTable(const TCard& card, const TCard& attack, const TPile& otherHand) const;
    void SlideTable();
};
