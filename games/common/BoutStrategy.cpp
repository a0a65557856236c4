// The computer's choice in the bout, which also plays the human's side under autoplay
// and gives the hint, and the marks on the human's playable cards.
#include "BoutGame.h"

bool TBoutGame::HumansTurn() const
{
    return TVariantGame::HumansTurn() || State == stHumanThrows || State == stHumanAddsToTaker;
}

TCard* TBoutGame::ChoosePlay()
{
    switch (State) {
    case stHumanDefends:
    case stCpuDefends:
        return ChooseDefence(OwnHand(), OtherHand());
    case stHumanThrows:
    case stCpuThrows:
    case stCpuAddsToTaker:
    case stHumanAddsToTaker:
        return ChooseThrow(OwnHand());
    default:
        return ChooseOwnCard();
    }
}

TCard* TBoutGame::ChooseDefence(const TPile& own, const TPile& other) const
{
    if (TCard* move = ChooseTableMove(own, other))
        return move;
    if (const int first = pairs->FirstUndefended(); first >= 0)
        if (TCard* beater = own.CheapestBeater(*Table->Card(first)))
            return beater;
    // Taking: any table card will do; the top one is normally the last placeholder.
    return Table->TopCard();
}

TCard* TBoutGame::ChooseThrow(const TPile& own)
{
    // Trumps are kept back while the deck can still refill the hand.
    TCard* card = pairs->AddableCard(own, Deck->Count() < 2);
    if (!card)
        PickedButton = mbRight; // nothing to add: the same as the human's right click
    return card;
}

void TBoutGame::MarkPlayable()
{
    switch (State) {
    case stHumanAttacks:
        MarkHand([](const TCard&) { return true; });
        break;
    case stHumanDefends:
        MarkHand([this](const TCard& card) {
            for (int attack : pairs->UndefendedAttacks()) {
                const TCard& attackCard = *Table->Card(attack);
                if (Board->Beats(card, attackCard) || MarksAsMove(card, attackCard))
                    return true;
            }
            return false;
        });
        break;
    case stHumanThrows:
    case stHumanAddsToTaker:
        // After a full defence every table card is real, so both states ask the same.
        MarkHand([this](const TCard& card) { return pairs->HasRank(card.Rank()); });
        break;
    default:
        MarkHand([](const TCard&) { return false; });
        break;
    }
}
