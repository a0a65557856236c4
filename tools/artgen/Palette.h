#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <vector>

namespace art {

// Reduces an RGB picture to at most maxColours palette entries (median cut,
// nearest colour, no dithering: small pictures look cleaner without noise).
// The result is Format_Indexed8 and depends only on the pixels.
QImage quantise(const QImage &source, int maxColours);

// A 1-bit picture of `size` logical pixels at `scale`, white where a pixel's centre
// lies inside `shape` (logical pixels), black elsewhere. Index 0 is black and index 1
// white, so pixel() reads back as opaque black or white.
QImage monoInside(QSize size, int scale, const QPainterPath &shape);

} // namespace art
