#include "BoutGame.h"

namespace {

TVariantGame::TStatusTexts WithBoutTexts(TVariantGame::TStatusTexts texts)
{
    texts.insert(
        {{stCpuAttacks, QT_TRANSLATE_NOOP("TVariantGame", "Waiting until CPU moves")},
         {stCpuDefends, QT_TRANSLATE_NOOP("TVariantGame", "Waiting until CPU defends")},
         {stHumanThrows, ThrowMoreText},
         {stCpuThrows, QT_TRANSLATE_NOOP("TVariantGame", "Waiting until CPU throws more")}});
    return texts;
}

} // namespace

TBoutGame::TBoutGame(QObject* owner, const TBoutRules& rules, TStatusTexts statusTexts)
    : TVariantGame(owner, WithBoutTexts(std::move(statusTexts))), rules(rules)
{
}

TBoutGame::~TBoutGame() = default;

void TBoutGame::CreateTableAndDiscard()
{
    Table = Named(Board->NewPile(poLine, 0, 0, 85, 0, 2, 12, 6), "Table");
    Table->SetAutoTight(true);
    Table->SetShowCards(scFace);
    Discard = Named(CreateStack(scBack), "Discard");
    pairs = std::make_unique<TPairTable>(*Table, Moves());
}

int TBoutGame::TableY() const
{
    return TableAtCpu ? CpuHand->Y() + rules.TableBelowCpu : HumanHand->Y() - 105;
}

void TBoutGame::PlaceTable()
{
    Table->InvalidatePile();
    Table->SetY(TableY());
    Table->InvalidatePile();
}

TBoutGame::TSide TBoutGame::HumanSide() const
{
    return {true,        HumanHand,      CpuHand,      stHumanDefends,
            stCpuThrows, stHumanAttacks, stCpuAddsToTaker, stCpuAttacks};
}

TBoutGame::TSide TBoutGame::CpuSide() const
{
    return {false,         CpuHand,      HumanHand,          stCpuDefends,
            stHumanThrows, stCpuAttacks, stHumanAddsToTaker, stHumanAttacks};
}

std::vector<int> TBoutGame::PlayStates() const
{
    std::vector<int> states{stHumanAttacks, stCpuAttacks, stHumanDefends,   stCpuDefends,
                            stHumanThrows,  stCpuThrows,  stCpuAddsToTaker, stHumanAddsToTaker};
    const std::vector<int> own = OwnStates();
    states.insert(states.end(), own.begin(), own.end());
    return states;
}

void TBoutGame::RunPlayState(int state)
{
    switch (state) {
    case stHumanThrows:
        HumanThrows();
        break;
    case stCpuThrows:
        CpuThrows();
        break;
    case stCpuAddsToTaker:
        CpuAddsToTaker();
        break;
    case stHumanAddsToTaker:
        HumanAddsToTaker();
        break;
    default:
        RunOwnState(state);
        break;
    }
}

TCard* TBoutGame::HintCard()
{
    TCard* card = ChooseCard();
    if (card && card->Empty() && card->Pile() == Table)
        return pairs->AttackOf(*card);
    return card;
}

void TBoutGame::FillModel(Model::TRulesModel& model) const
{
    TVariantGame::FillModel(model);
    auto& bout = static_cast<Model::TBoutModel&>(model);
    bout.Table.Pairs.clear();
    for (int i = 0; i + 1 < Table->Count(); i += 2) {
        const TCard& cover = *Table->Card(i + 1);
        bout.Table.Pairs.push_back(
            {CardId(*Table->Card(i)), cover.Empty() ? Model::NoCard : CardId(cover)});
    }
    bout.ThrowLimit = ThrowLimit;
    bout.Discard = CardSet(*Discard);
}

TCard* TBoutGame::TakeCard() const
{
    const std::vector<TCard*> real = pairs->RealCards();
    return real.empty() ? nullptr : real.back();
}

bool TBoutGame::EndsOnRightPress() const
{
    return State == stHumanThrows || State == stHumanAddsToTaker;
}

bool TBoutGame::TryMoveTable(TCard*, const TCard&, const TSide&) { return false; }

bool TBoutGame::MarksAsMove(const TCard&, const TCard&) const { return false; }

TCard* TBoutGame::ChooseTableMove(const TPile&, const TPile&) const { return nullptr; }
