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

// Three pixels in each corner, the ones outside the rounded outline.
QImage cardMask()
{
    const int r = kCardWidth - 1, b = kCardHeight - 1;
    return monoWithWhite({kCardWidth, kCardHeight},
                         {{0, 0}, {1, 0}, {0, 1}, {r - 1, 0}, {r, 0}, {r, 1},
                          {0, b - 1}, {0, b}, {1, b}, {r, b - 1}, {r - 1, b}, {r, b}});
}

// A two-pixel line one pixel in from the edge, with cut corners.
QImage cardFrame()
{
    const int r = kCardWidth - 1, b = kCardHeight - 1;
    std::vector<QPoint> white;
    for (int y : {1, b - 1})
        for (int x = 2; x <= r - 2; ++x)
            white.push_back({x, y});
    for (int y : {2, b - 2})
        for (int x = 1; x <= r - 1; ++x)
            white.push_back({x, y});
    for (int y = 3; y <= b - 3; ++y)
        for (int x : {1, 2, r - 2, r - 1})
            white.push_back({x, y});
    return monoWithWhite({kCardWidth, kCardHeight}, white);
}

// A small pointer drawn just above a playable card.
QImage cardMark()
{
    return monoWithWhite({5, 4}, {{1, 0}, {2, 0}, {3, 0},
                                  {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1},
                                  {1, 2}, {2, 2}, {3, 2},
                                  {2, 3}});
}

} // namespace art
