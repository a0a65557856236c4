#pragma once
#include "BoutGame.h"

#include <optional>
#include <vector>

// Round's own states; the bout's (1 to 6, 12, 13) come from the bout.
constexpr int stRoundIdle = 100;        // no turn: set up, or gathering for a new game
constexpr int stRoundHumanCircle = 101; // the human's turn at the circle
constexpr int stRoundCpuCircle = 102;

// The variant played in two phases: first both sides capture from a ring of face-up
// cards with the deck's top card, until deck and circle are used up; then the cards
// won are played out in bouts, with nothing left to draw.
class TRound : public TBoutGame {
public:
    explicit TRound(QObject* owner);

    void Init(QWidget* parent) override;
    void NewGame() override;
    void Deal() override;
    void MarkPlayable() override;
    // At the circle: its cards, in the order they lie in it.
    std::vector<TCard*> PressableCards() const override;

    TPile* Circle = nullptr;
    bool AttackPhase = false;

protected:
    void CreatePiles() override;
    // The circle phase's layout, or the attack phase's once that has begun.
    void PlacePiles(int w, int h) override;
    void RunOwnState(int state) override;
    std::vector<int> OwnStates() const override;
    TCard* ChooseOwnCard() override;
    bool PrepareBout(bool humanAttacks) override;
    void CpuAddsToTaker() override;
    void PlaceTable() override;
    std::unique_ptr<Model::TRulesModel> NewModel() const override;
    void FillModel(Model::TRulesModel& model) const override;

private:
    static constexpr int CircleSize = 9;

    // The circle phase.
    bool DealCircle(int count);
    void CircleTurn(bool human);
    void PlayAtCircle(bool human);
    std::optional<TCard*> HumanPick();
    bool Capture(TCard* pick, TPile* hand);
    bool Pass();
    bool GiveCircleTo(TPile* hand);
    void BeginAttackPhase();

    // The circle cards the deck's top card beats, in circle order.
    std::vector<TCard*> Capturable() const;
    TCard* ChooseCapture() const;
};
