#include "ArtworkTestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace artwork_test {

QString resourcePath(const QString &relative)
{
    return QDir(QStringLiteral(ZELMO_RESOURCES_DIR)).filePath(relative);
}

QImage loadResource(const QString &relative)
{
    QImage img(resourcePath(relative));
    EXPECT_FALSE(img.isNull()) << "cannot load " << relative.toStdString();
    return img;
}

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

void expectAllDistinct(const std::vector<QImage> &pictures, double minDistance)
{
    for (size_t a = 0; a < pictures.size(); ++a)
        for (size_t b = a + 1; b < pictures.size(); ++b) {
            qint64 sum = 0;
            for (int y = 0; y < pictures[a].height(); ++y)
                for (int x = 0; x < pictures[a].width(); ++x)
                    sum += colourDistance(pictures[a].pixel(x, y), pictures[b].pixel(x, y));
            EXPECT_GT(double(sum) / (pictures[a].width() * pictures[a].height()), minDistance)
                << "pictures " << a << " and " << b << " look alike";
        }
}

} // namespace artwork_test
