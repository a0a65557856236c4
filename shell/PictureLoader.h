#pragma once
#include <QImage>
#include <QString>
#include <optional>

// Reads a background picture from a file: BMP, JPEG, icon or PNG, decided by its
// content. Anything else fails, and so does a file that is not a regular readable
// file, that claims more than MaxPixels in its header, or that decodes only in part:
// no half-read picture ever reaches the screen.
namespace PictureLoader {

constexpr qint64 MaxPixels = 50'000'000;

std::optional<QImage> Load(const QString& path);

} // namespace PictureLoader
