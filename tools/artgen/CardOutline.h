#pragma once

#include <QImage>
#include <QPainterPath>
#include <functional>

namespace art {

inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 96;
inline constexpr int kCellsPerStrip = 14;

// The rounded card edge used by faces and backs; the corner pixels the mask
// whitens lie outside it.
QPainterPath cardShape(qreal inset = 0.5);

// Fourteen 71 x 96 cells side by side; `drawCell` paints cell n at the origin.
QImage cardStrip(const std::function<void(QPainter &, int)> &drawCell);

QImage cardMask();
QImage cardFrame();
QImage cardMark();

} // namespace art
