// Background pictures from files: hostile files must be refused without a crash or a
// half-decoded picture.
#include "PictureLoader.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

class PictureLoaderTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QByteArray Encoded(const char* format, QSize size = {64, 48})
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(200, 30, 40));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, format));
        return bytes;
    }
    QTemporaryDir dir;
};

TEST_F(PictureLoaderTest, HostileFilesAreRefused)
{
    const QByteArray bmp = Encoded("bmp", {300, 200});
    const QByteArray jpeg = Encoded("jpeg", {300, 200});
    // A bitmap header announcing 60000 x 60000 pixels of 24 bits over a few bytes.
    QByteArray huge = Encoded("bmp", {4, 4});
    qToLittleEndian<qint32>(60000, huge.data() + 18);
    qToLittleEndian<qint32>(60000, huge.data() + 22);
    // A JPEG frame header (FF C0, length, precision, height, width) claiming as many.
    QByteArray hugeJpeg = Encoded("jpeg", {16, 16});
    const qsizetype frame = hugeJpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    qToBigEndian<quint16>(60000, hugeJpeg.data() + frame + 5);
    qToBigEndian<quint16>(60000, hugeJpeg.data() + frame + 7);
    const QByteArray noise = Noise(4096, 7);
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"cut.bmp", bmp.left(bmp.size() / 2)},
        {"cut.jpg", jpeg.left(jpeg.size() / 2)},
        {"cut.png", Encoded("png", {300, 200}).left(200)},
        {"huge.bmp", huge},
        {"huge.jpg", hugeJpeg},
        {"empty.bmp", {}},
        {"noise.jpg", noise},
        {"picture.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4) + noise},
        {"picture.pcx", QByteArray("\x0A\x05\x01\x08", 4) + noise},
        {"pic.gif", QByteArray("GIF89a") + noise},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        EXPECT_FALSE(PictureLoader::Load(Write(QString::fromUtf8(file.name), file.bytes)));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.bmp")));
    EXPECT_FALSE(PictureLoader::Load(dir.filePath(QStringLiteral("folder.bmp"))));
    EXPECT_FALSE(PictureLoader::Load(dir.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_FALSE(PictureLoader::Load(QString()));
}

} // namespace
