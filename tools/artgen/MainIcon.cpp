#include "MainIcon.h"

#include "ArtSink.h"
#include "Motifs.h"
#include "Paint.h"

namespace art {

namespace {

// Two fanned cards with a holly sprig, drawn on a 64-unit grid and scaled, so
// every size is drawn afresh rather than resampled.
QImage mainIcon(int size)
{
    QImage img = canvas({size, size});
    QPainter p(&img);
    prepare(p);
    p.scale(size / 64.0, size / 64.0);
    motif::playingCard(p, QRectF(6, 10, 32, 44), -14, QStringLiteral("K"), false);
    motif::playingCard(p, QRectF(24, 8, 32, 44), 12, QStringLiteral("A"), true);
    motif::holly(p, QPointF(32, 50), 22);
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void writeMainIcon(ArtSink &sink)
{
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        sink.add(QStringLiteral("icons/mainicon-%1.png").arg(size), mainIcon(size));
}

} // namespace art
