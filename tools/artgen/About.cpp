#include "About.h"

#include "ArtSink.h"
#include "Characters.h"
#include "Motifs.h"
#include "Paint.h"

namespace art {

void writeAbout(ArtSink &sink)
{
    QImage img = canvas({128, 128});
    QPainter p(&img);
    prepare(p);
    motif::playingCard(p, QRectF(14, 30, 50, 72), -16, QStringLiteral("K"), false);
    motif::playingCard(p, QRectF(64, 30, 50, 72), 16, QStringLiteral("A"), true);
    character::drawFace(p, QPointF(62, 80), 34,
                        {character::Eyes::Happy, character::Mouth::Grin, character::Brows::Raised,
                         QColor(0xfb, 0xd5, 0xb5), false});
    p.end();
    sink.add(QStringLiteral("about/ABOUT.png"), img.convertToFormat(QImage::Format_ARGB32));
}

} // namespace art
