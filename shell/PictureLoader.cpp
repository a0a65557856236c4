#include "PictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>

namespace {

// Decoders may report damage only as a warning (JPEG data that ends early still
// "reads", padded with grey); every warning while one picture is read counts.
class TWarningCounter {
public:
    TWarningCounter() { previous = qInstallMessageHandler(&TWarningCounter::Count); }
    ~TWarningCounter() { qInstallMessageHandler(previous); }
    TWarningCounter(const TWarningCounter&) = delete;
    TWarningCounter& operator=(const TWarningCounter&) = delete;

    static int Warnings() { return warnings; }
    static void Reset() { warnings = 0; }

private:
    static void Count(QtMsgType type, const QMessageLogContext&, const QString&)
    {
        if (type != QtDebugMsg && type != QtInfoMsg)
            ++warnings;
    }
    static inline int warnings = 0;
    QtMessageHandler previous;
};

template <typename T> T Little(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

// An uncompressed bitmap must hold every row its header announces; Qt's reader would
// otherwise leave the missing rows uninitialised.
bool BitmapIsWhole(const QString& path, qint64 fileSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(34);
    if (head.size() < 26 || !head.startsWith("BM"))
        return false;
    const quint32 dataOffset = Little<quint32>(head, 10);
    const quint32 infoSize = Little<quint32>(head, 14);
    qint64 width, height, bits;
    quint32 compression = 0;
    if (infoSize == 12) { // the old core header: 16-bit sizes, no compression
        width = Little<quint16>(head, 18);
        height = Little<quint16>(head, 20);
        bits = Little<quint16>(head, 24);
    } else {
        if (head.size() < 34)
            return false;
        width = Little<qint32>(head, 18);
        height = std::llabs(Little<qint32>(head, 22));
        bits = Little<quint16>(head, 28);
        compression = Little<quint32>(head, 30);
    }
    constexpr quint32 BI_RGB = 0, BI_BITFIELDS = 3;
    if (compression != BI_RGB && compression != BI_BITFIELDS)
        return true; // run-length data has no fixed size; the decoder judges it
    if (width <= 0 || height <= 0 || bits <= 0)
        return false;
    // Rows counted against the room they need, not multiplied out: a header may claim
    // sizes whose product overflows.
    const qint64 stride = (width * bits + 31) / 32 * 4;
    const qint64 room = fileSize - qint64(dataOffset);
    return room >= 0 && height <= room / stride;
}

bool Allowed(const QByteArray& format)
{
    return format == "bmp" || format == "jpeg" || format == "ico" || format == "png";
}

} // namespace

namespace PictureLoader {

std::optional<QImage> Load(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable() || info.size() == 0)
        return std::nullopt;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (!Allowed(format))
        return std::nullopt;
    const QSize size = reader.size();
    // Icons may not say their size before reading; they are small by nature.
    if (!size.isValid() && format != "ico")
        return std::nullopt;
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPixels)
        return std::nullopt;
    if (format == "bmp" && !BitmapIsWhole(path, info.size()))
        return std::nullopt;
    QImage image;
    {
        const TWarningCounter counter;
        TWarningCounter::Reset();
        if (!reader.read(&image) || image.isNull() || TWarningCounter::Warnings() > 0)
            return std::nullopt;
    }
    return image;
}

} // namespace PictureLoader
