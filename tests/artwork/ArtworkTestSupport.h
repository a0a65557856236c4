#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace artwork_test {

QString resourcePath(const QString &relative);

// Loads a committed resource; fails the calling test when it cannot.
QImage loadResource(const QString &relative);

// Colour type and bit depth from a PNG file's header, as written on disk.
struct PngHeader {
    int bitDepth = -1;
    int colourType = -1; // 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
};
PngHeader readPngHeader(const QString &file);

// Sum of the absolute channel differences, 0..765.
int colourDistance(QRgb a, QRgb b);

// Mean colourDistance over two pictures of one size.
double meanDistance(const QImage &a, const QImage &b);

// Fails the calling test for every two pictures nearer than minDistance.
void expectAllDistinct(const std::vector<QImage> &pictures, double minDistance);

} // namespace artwork_test
