#include "Artwork.h"

#include "DrawnArtwork.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace {
// The program carries scales 1 to 3. Larger ones are drawn when a table needs them (a
// 4K screen's fitted table is about 5.8); past the last, that one is enlarged.
constexpr int ShippedScale = 3;
constexpr int LargestScale = 8;
} // namespace

int ArtworkScale(qreal ratio)
{
    return std::clamp(int(std::ceil(ratio - 0.001)), 1, LargestScale);
}

QString ArtworkPath(const QString& path, int scale)
{
    if (scale == 1)
        return path;
    QString scaled = path;
    return scaled.insert(path.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(scale));
}

QImage ArtworkImage(const QString& path, int scale)
{
    return scale <= ShippedScale ? QImage(ArtworkPath(path, scale)) : DrawnArtwork(path, scale);
}

QImage ArtworkAtRatio(QImage image, int scale, qreal ratio)
{
    if (image.isNull() || ratio == scale) {
        image.setDevicePixelRatio(scale);
        return image;
    }
    const QSize classic = image.size() / scale;
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32)
                .scaled((QSizeF(classic) * ratio).toSize(), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage LoadArtwork(const QString& path, qreal ratio)
{
    const int scale = ArtworkScale(ratio);
    return ArtworkAtRatio(ArtworkImage(path, scale), scale, ratio);
}

QPixmap ArtworkPixmap(const QString& path)
{
    return QPixmap::fromImage(LoadArtwork(path, qApp->devicePixelRatio()));
}
