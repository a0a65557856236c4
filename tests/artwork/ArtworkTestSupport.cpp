#include "ArtworkTestSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
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

PngHeader readPngHeader(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = f.read(26);
    // 8-byte signature, then the IHDR chunk: length, type, width, height, depth, colour type.
    if (head.size() < 26 || head.mid(12, 4) != "IHDR")
        return {};
    return {uchar(head[24]), uchar(head[25])};
}

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

double meanDistance(const QImage &a, const QImage &b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += colourDistance(a.pixel(x, y), b.pixel(x, y));
    return double(sum) / (a.width() * a.height());
}

void expectAllDistinct(const std::vector<QImage> &pictures, double minDistance)
{
    for (size_t a = 0; a < pictures.size(); ++a)
        for (size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_GT(meanDistance(pictures[a], pictures[b]), minDistance)
                << "pictures " << a << " and " << b << " look alike";
}

} // namespace artwork_test

int main(int argc, char **argv)
{
    // JPEG needs the image plugins, which need an application object.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
