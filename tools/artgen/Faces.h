#pragma once

#include "SuitShapes.h"

#include <QImage>

namespace art {

// The 994 x 96 palette strip of one suit: Ace, 2..10, Jack, Queen, King, blank.
QImage faceStrip(Suit suit);

} // namespace art
