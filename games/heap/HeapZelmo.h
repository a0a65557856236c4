#pragma once
#include "VariantGame.h"

// The variant in which every card played stays on one untidy heap: the defender must
// beat its top card, and a side that cannot takes only the top three cards, or five
// when the top card is a trump.
class THeap : public TVariantGame {
    Q_OBJECT
public:
    static constexpr int HandSize = 5;

    explicit THeap(QObject* owner);
    ~THeap() override;

    TCard* ChooseCard() override;
    void NewGame() override;
    void Deal() override;
    void ArrangePiles() override;
    const char* StatusText(int state) const override;
    TPileNames PileNames() const override;
    std::vector<int> PlayStates() const override;

    // Marks the human's cards that may be played in the current state.
    void MarkPlayable();
    // How many cards a taker gets from the heap as it is now.
    int TakeCount() const;

    TPile* Table = nullptr; // the heap

protected:
    void CreatePiles() override;
    void RunPlayState(int state) override;

private:
    // States.
    void HumanAttacks();
    void CpuAttacks();
    void HumanDefends();
    void CpuDefends();

    // Steps shared by the states.
    bool OpenAttack(bool humanAttacks);
    bool GameOverBeforeDefence();
    bool OnlyCardBeatsTop(const TPile& hand) const;
    bool BeatsTop(const TCard& card) const;
    bool PlayOnHeap(TCard* card);
    void Take(bool humanTakes);
};
