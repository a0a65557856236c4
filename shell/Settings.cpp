#include "Settings.h"

#include "Artwork.h"

#include <QGuiApplication>
#include <array>

namespace {
constexpr std::array<const char*, 6> backgroundNames{"BELLS",       "CANDYCANES", "GIFTS",
                                                     "SNOWFLAKES1", "SNOW",       "SNOWFLAKES2"};
}

TSettings TSettings::Defaults()
{
    TSettings settings;
    settings.BackPicture = BuiltInBackground(settings.Background);
    return settings;
}

QColor ColorFromStored(uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

uint32_t StoredFromColor(const QColor& color)
{
    return uint32_t(color.red()) | uint32_t(color.green()) << 8 | uint32_t(color.blue()) << 16;
}

QImage BuiltInBackground(int background)
{
    return BuiltInBackground(background, qApp->devicePixelRatio());
}

QImage BuiltInBackground(int background, qreal ratio)
{
    if (background < 1 || background > int(backgroundNames.size())) return {};
    return LoadArtwork(QStringLiteral(":/backgrounds/%1.png").arg(backgroundNames[background - 1]),
                       ratio);
}
