#include "CardNames.h"

#include "Card.h"

#include <array>

namespace {

constexpr std::array<const char*, 13> ValueNames{"Ace",  "Two",   "Three", "Four", "Five",
                                                 "Six",  "Seven", "Eight", "Nine", "Ten",
                                                 "Jack", "Queen", "King"};
constexpr std::array<const char*, 4> SuitNames{"Clubs", "Diamonds", "Hearts", "Spades"};

} // namespace

QString CardName(const TCard& card)
{
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(ValueNames[card.Value()]), QLatin1String(SuitNames[card.Suit()]));
}
