#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace artwork_test {

QString resourcePath(const QString &relative);

// Loads a committed resource; fails the calling test when it cannot.
QImage loadResource(const QString &relative);

// Sum of the absolute channel differences, 0..765.
int colourDistance(QRgb a, QRgb b);

// Fails the calling test for every two pictures of one size whose mean colourDistance
// is not above minDistance.
void expectAllDistinct(const std::vector<QImage> &pictures, double minDistance);

} // namespace artwork_test
