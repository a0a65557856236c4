// What Round's computer adds to the bout's choices: which circle card to capture.
#include "RoundZelmo.h"

std::vector<TCard*> TRound::Capturable() const
{
    std::vector<TCard*> cards;
    const TCard* top = Deck->TopCard();
    if (!top)
        return cards;
    for (TCard* card : Circle->Cards())
        if (Board->Beats(*top, *card))
            cards.push_back(card);
    return cards;
}

TCard* TRound::ChooseOwnCard()
{
    if (State != stRoundHumanCircle && State != stRoundCpuCircle)
        return nullptr;
    return ChooseCapture();
}

TCard* TRound::ChooseCapture() const
{
    // The best trump when any can be taken, else the best of the first capturable suit.
    TCard* choice = nullptr;
    for (TCard* card : Capturable())
        if (!choice || PrefersTarget(*Board, *card, *choice))
            choice = card;
    return choice;
}
