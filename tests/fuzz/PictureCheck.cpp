#include "FuzzChecks.h"

#include "PictureLoader.h"

std::string CheckPictureInput(std::span<const uint8_t> bytes)
{
    // No name ending: the loader decides by content alone.
    const QString path = WriteInputFile(QStringLiteral("picture"), bytes);
    if (path.isEmpty()) return "the input could not be written to a file";
    const std::optional<QImage> image = PictureLoader::Load(path);
    if (!image) return {};
    if (image->isNull()) return "a null picture was returned as loaded";
    if (qint64(image->width()) * image->height() > PictureLoader::MaxPixels)
        return "a picture larger than MaxPixels was returned";
    return {};
}
