#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace art {

enum class Suit { Clubs, Diamonds, Hearts, Spades };

inline constexpr Suit kSuits[] = {Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades};

// The suit symbol in a box one unit high, centred on the origin.
QPainterPath suitPath(Suit suit);

QColor suitColour(Suit suit);

bool isRed(Suit suit);

// Draws the symbol `height` pixels high centred on `centre`, upside down if asked.
void drawSuit(QPainter &p, Suit suit, QPointF centre, qreal height, bool upsideDown = false,
              QColor colour = QColor());

} // namespace art
