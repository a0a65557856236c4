#include "CardOutline.h"

#include "Palette.h"
#include "Paint.h"

namespace art {

QPainterPath cardShape(qreal inset)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(inset, inset, kCardWidth - 2 * inset, kCardHeight - 2 * inset),
                        3.5, 3.5);
    return path;
}

QImage cardStrip(const std::function<void(QPainter &, int)> &drawCell)
{
    QImage strip = canvas({kCardWidth * kCellsPerStrip, kCardHeight}, Qt::white);
    QPainter p(&strip);
    prepare(p);
    for (int n = 0; n < kCellsPerStrip; ++n) {
        p.save();
        p.translate(n * kCardWidth, 0);
        p.setClipRect(0, 0, kCardWidth, kCardHeight);
        drawCell(p, n);
        p.restore();
    }
    return strip;
}

namespace {

// The card's outline shrunk by `inset` on every side, its corners rounded by `radius`.
QPainterPath roundedCell(qreal inset, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(inset, inset, kCardWidth - 2 * inset, kCardHeight - 2 * inset),
                        radius, radius);
    return path;
}

QPainterPath wholeCell()
{
    QPainterPath path;
    path.addRect(0, 0, kCardWidth, kCardHeight);
    return path;
}

} // namespace

// The pixels outside the rounded outline: three in each corner at scale 1, a rounded
// corner of as many pixels at the larger scales.
QImage cardMask()
{
    return monoInside({kCardWidth, kCardHeight}, scale(),
                      wholeCell().subtracted(roundedCell(0, 3.5)));
}

// A two-pixel line one pixel in from the edge, following the rounded outline.
QImage cardFrame()
{
    return monoInside({kCardWidth, kCardHeight}, scale(),
                      roundedCell(1, 2.5).subtracted(roundedCell(3, 0.5)));
}

// A small pointer drawn just above a playable card.
QImage cardMark()
{
    return monoInside({5, 4}, scale(),
                      polygon({{1, 0}, {4, 0}, {5, 1.5}, {2.5, 4}, {0, 1.5}}));
}

} // namespace art
