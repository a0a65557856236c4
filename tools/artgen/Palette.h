#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

namespace art {

// Reduces an RGB picture to at most maxColours palette entries (median cut,
// nearest colour, no dithering: small pictures look cleaner without noise).
// The result is Format_Indexed8 and depends only on the pixels.
QImage quantise(const QImage &source, int maxColours);

// A 1-bit picture, black except the listed pixels. Index 0 is black and
// index 1 white, so pixel() reads back as opaque black or white.
QImage monoWithWhite(QSize size, const std::vector<QPoint> &white);

} // namespace art
