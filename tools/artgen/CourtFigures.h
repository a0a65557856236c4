#pragma once

#include "SuitShapes.h"

#include <QPainter>
#include <QRectF>

namespace art {

enum class Court { Jack, Queen, King };

// A double-ended court picture: the bust fills the top half of `frame` and is
// repeated upside down in the bottom half.
void drawCourt(QPainter &p, Suit suit, Court court, const QRectF &frame);

} // namespace art
