#pragma once
#include "VariantGame.h"

// The variant in which every card played stays on one untidy heap: the defender must
// beat its top card, and a side that cannot takes only the top three cards, or five
// when the top card is a trump.
class THeap : public TVariantGame {
public:
    explicit THeap(QObject* owner);

    void NewGame() override;
    void Deal() override;
    std::vector<int> PlayStates() const override;

    void MarkPlayable() override;
    // How many cards a taker gets from the heap as it is now.
    int TakeCount() const;
    TCard* TakeCard() const override { return Table->TopCard(); }

protected:
    void CreatePiles() override;
    void PlacePiles(int w, int h) override;
    // Refills the hands and checks for the end.
    bool OpenAttack(bool humanAttacks) override;
    bool LayAttack(TCard* card) override { return PlayOnHeap(card); }
    void HumanDefends() override;
    void CpuDefends() override;
    // The defender beats the top card whenever it can, else takes.
    TCard* ChoosePlay() override;
    std::unique_ptr<Model::TRulesModel> NewModel() const override;
    void FillModel(Model::TRulesModel& model) const override;

private:
    static constexpr int HandSize = 5;

    bool GameOverBeforeDefence();
    bool OnlyCardBeatsTop(const TPile& hand) const;
    bool BeatsTop(const TCard& card) const;
    bool PlayOnHeap(TCard* card);
    void Take(bool humanTakes);
};
