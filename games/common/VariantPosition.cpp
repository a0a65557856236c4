// The game's position as a rules model, what the CPU has seen of the human's cards, and
// the CPU's own choice, which the strong player may make.
#include "VariantGame.h"

Model::TCardId TVariantGame::CardId(const TCard& card)
{
    return Model::CardOf(card.Suit(), card.Rank());
}

Model::TCardSet TVariantGame::CardSet(const TPile& pile)
{
    Model::TCardSet set = 0;
    for (const TCard* card : pile.Cards())
        if (!card->Empty())
            set |= Model::Bit(CardId(*card));
    return set;
}

void TVariantGame::NoteArrival(const TCard& card, const TPile* from)
{
    // Only the deck hides a card on its way, and not its face-up bottom card.
    const bool hidden = from == Deck && Deck->ShowCards() != scFace && Deck->Count() > 0;
    if (card.Pile() == HumanHand && !hidden)
        knownHuman |= Model::Bit(CardId(card));
}

std::unique_ptr<Model::TRulesModel> TVariantGame::Position() const
{
    std::unique_ptr<Model::TRulesModel> model = NewModel();
    FillModel(*model);
    model->HideUnseen();
    model->Repetitions = repetitionsSeen;
    return model;
}

void TVariantGame::FillModel(Model::TRulesModel& model) const
{
    model.State = State;
    model.Trumps = Board->Trumps();
    model.Hand[Model::sdCpu] = CardSet(*CpuHand);
    model.Hand[Model::sdHuman] = CardSet(*HumanHand);
    model.KnownHuman = knownHuman & model.Hand[Model::sdHuman];
    model.Deck.clear();
    for (const TCard* card : Deck->Cards())
        model.Deck.push_back(CardId(*card));
}

std::optional<TCard*> TVariantGame::CpuChoice()
{
    if (!strongThisGame)
        return ChooseCard();
    const std::optional<Model::TModelMove> move = strong.Choose(*this, Position());
    if (!move)
        return std::nullopt;
    // Having nothing more to add is the right button, as in ChooseCard.
    PickedButton = move->Kind == Model::mkDone ? mbRight : mbLeft;
    return CardOf(*move);
}

TCard* TVariantGame::CardOf(const Model::TModelMove& move) const
{
    if (move.Kind == Model::mkTake)
        return Table->TopCard(); // any table card takes
    if (move.Kind != Model::mkPlay)
        return nullptr;
    for (const auto& [pile, name] : pileNames)
        for (TCard* card : pile->Cards())
            if (!card->Empty() && CardId(*card) == move.Card)
                return card;
    return nullptr;
}
