#pragma once
#include "RulesModel.h"

#include <utility>
#include <vector>

namespace Model {

// The table of a bout as attack/cover pairs; a cover of NoCard is the placeholder.
class TPairModel {
public:
    std::vector<std::pair<TCardId, TCardId>> Pairs;

    // Cards on the table, placeholders counted.
    int Count() const { return int(Pairs.size()) * 2; }
    int FirstUndefended() const; // -1 when every attack is covered
    bool NothingBeatenYet() const;
    bool HasRank(int rank) const;
    TCardSet Real() const;
    // The hand's cards of a rank of some real table card.
    TCardSet Addable(TCardSet hand) const;
    // The attack the human's card covers: the first undefended one it beats, replaced by
    // a later one that is a trump over a non-trump or of the same suit and higher.
    int HumanTarget(TCardId card, int trumps) const;
};

// Where the bouts of Mover and of Round's attack phase part ways.
struct TBoutModelRules {
    int HandSize = 0;        // hands are refilled up to this before a bout; 0: never
    bool MovesTable = false; // a defender who has beaten nothing may pass the attack on
};

// The attack-and-defend bout: attack, cover or take, throw more after a full defence,
// give more to a taker.
class TBoutModel : public TRulesModel {
public:
    void LegalMoves(std::vector<TModelMove>& moves) const override;
    void Play(const TModelMove& move) override;
    TModelMove ClassicMove() const override;

    TPairModel Table;
    int ThrowLimit = 0;

protected:
    void AddTableCards(TPositionKey& key) const override;
    explicit TBoutModel(const TBoutModelRules& rules) : rules(rules) {}

    // Clears the beaten table, refills, checks for the end; then side attacks.
    void EnterAttack(TSide side) override;
    // A move outside the bout (Round's circle).
    virtual void PlayOwn(const TModelMove&) {}
    virtual void OwnMoves(std::vector<TModelMove>&) const {}
    virtual TModelMove ClassicOwn() const { return {}; }

private:
    // What a defender's card does: the pair index it covers, or -2 when it moves the
    // table, or -1 when it may not be played.
    int Resolve(TSide defender, TCardId card, bool alt) const;
    bool MayMoveTable(TSide defender, TCardId card, TCardId attack, bool alt) const;
    void Defend(TSide defender, const TModelMove& move);
    void Lay(TSide side, TCardId card);
    void AfterCover(TSide defender);
    void Take(TSide defender);
    void HandOver(TSide taker);
    void EnterThrow(TSide thrower);
    void EnterGive(TSide giver);

    TBoutModelRules rules;
};

} // namespace Model
