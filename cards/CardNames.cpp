#include "CardNames.h"

#include "Card.h"

#include <QCoreApplication>
#include <array>

namespace {

constexpr std::array<const char*, 13> ValueNames{
    QT_TRANSLATE_NOOP("CardNames", "Ace"),   QT_TRANSLATE_NOOP("CardNames", "Two"),
    QT_TRANSLATE_NOOP("CardNames", "Three"), QT_TRANSLATE_NOOP("CardNames", "Four"),
    QT_TRANSLATE_NOOP("CardNames", "Five"),  QT_TRANSLATE_NOOP("CardNames", "Six"),
    QT_TRANSLATE_NOOP("CardNames", "Seven"), QT_TRANSLATE_NOOP("CardNames", "Eight"),
    QT_TRANSLATE_NOOP("CardNames", "Nine"),  QT_TRANSLATE_NOOP("CardNames", "Ten"),
    QT_TRANSLATE_NOOP("CardNames", "Jack"),  QT_TRANSLATE_NOOP("CardNames", "Queen"),
    QT_TRANSLATE_NOOP("CardNames", "King")};
// The suits as the card name joins them: "of Hearts".
constexpr std::array<const char*, 4> SuitNames{
    QT_TRANSLATE_NOOP("CardNames", "Clubs"), QT_TRANSLATE_NOOP("CardNames", "Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Hearts"), QT_TRANSLATE_NOOP("CardNames", "Spades")};

QString Translated(const char* text) { return QCoreApplication::translate("CardNames", text); }

} // namespace

QString CardName(const TCard& card)
{
    //: %1 the value, %2 the suit: "Queen of Hearts"
    return QCoreApplication::translate("CardNames", "%1 of %2")
        .arg(Translated(ValueNames[card.Value()]), Translated(SuitNames[card.Suit()]));
}
