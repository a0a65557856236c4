#include "Backgrounds.h"

#include "ArtSink.h"
#include "Motifs.h"
#include "Paint.h"
#include "Palette.h"

#include <functional>

namespace art {

namespace {

constexpr int kTile = 200;

// A fixed little generator: the scatter must be the same on every run.
class Scatter {
public:
    explicit Scatter(quint32 seed) : m_state(seed) {}
    qreal next(qreal lo, qreal hi)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return lo + (hi - lo) * ((m_state >> 8) / qreal(1 << 24));
    }

private:
    quint32 m_state;
};

using MotifPainter = std::function<void(QPainter &, QPointF, Scatter &)>;

// Draws one motif nine times, shifted by whole tiles, so whatever crosses an
// edge comes back on the opposite side. Every copy gets the same random draws.
void stampWrapped(QPainter &p, QPointF at, quint32 seed, const MotifPainter &motif)
{
    for (int dy = -kTile; dy <= kTile; dy += kTile)
        for (int dx = -kTile; dx <= kTile; dx += kTile) {
            Scatter same(seed);
            p.save();
            motif(p, at + QPointF(dx, dy), same);
            p.restore();
        }
}

// `count` motifs at free random places.
QImage scattered(QColor field, int count, quint32 seed, const MotifPainter &motif)
{
    QImage img = canvas({kTile, kTile}, field);
    QPainter p(&img);
    prepare(p);
    Scatter rnd(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF at(rnd.next(0, kTile), rnd.next(0, kTile));
        stampWrapped(p, at, quint32(rnd.next(0, 1e6)), motif);
    }
    p.end();
    return quantise(img, 16);
}

// Motifs on a jittered grid, so they neither clump nor leave holes.
QImage gridTiled(QColor field, int perSide, quint32 seed, const MotifPainter &motif)
{
    QImage img = canvas({kTile, kTile}, field);
    QPainter p(&img);
    prepare(p);
    Scatter rnd(seed);
    const qreal cell = qreal(kTile) / perSide;
    for (int row = 0; row < perSide; ++row)
        for (int col = 0; col < perSide; ++col) {
            const QPointF at((col + 0.5 + (row % 2) * 0.5) * cell + rnd.next(-cell, cell) * 0.2,
                             (row + 0.5) * cell + rnd.next(-cell, cell) * 0.2);
            stampWrapped(p, at, quint32(rnd.next(0, 1e6)), motif);
        }
    p.end();
    return quantise(img, 16);
}

void bellPair(QPainter &p, QPointF at, Scatter &rnd)
{
    const qreal tilt = rnd.next(-20, 20);
    motif::bell(p, at + QPointF(-7, 4), 24, tilt + 15);
    motif::bell(p, at + QPointF(7, 4), 24, tilt - 15);
    motif::bow(p, at + QPointF(0, -10), 9, QColor(0xd0, 0x20, 0x28));
}

void cane(QPainter &p, QPointF at, Scatter &rnd)
{
    p.translate(at);
    p.rotate(rnd.next(-35, 35));
    motif::candyCane(p, QRectF(-18, -24, 36, 48), rnd.next(0, 1) > 0.5);
}

void present(QPainter &p, QPointF at, Scatter &rnd)
{
    static const QColor papers[] = {QColor(0xd0, 0x20, 0x28), QColor(0x2a, 0x70, 0xd0),
                                    QColor(0x2a, 0x9a, 0x48), QColor(0xe8, 0xb0, 0x20)};
    static const QColor ribbons[] = {QColor(0xf2, 0xd0, 0x40), Qt::white,
                                     QColor(0xd0, 0x20, 0x28), QColor(0x2a, 0x70, 0xd0)};
    const int k = int(rnd.next(0, 4));
    p.translate(at);
    p.rotate(rnd.next(-12, 12));
    const qreal w = rnd.next(24, 34);
    motif::gift(p, QRectF(-w / 2, -w * 0.45, w, w * 0.9), papers[k], ribbons[k]);
}

MotifPainter flake(QColor colour, qreal minR, qreal maxR, qreal width)
{
    return [=](QPainter &p, QPointF at, Scatter &rnd) {
        const qreal r = rnd.next(minR, maxR);
        p.translate(at);
        p.rotate(rnd.next(0, 60));
        motif::snowflake(p, QPointF(0, 0), r, colour, width * r / maxR + 0.4);
    };
}

void snowDot(QPainter &p, QPointF at, Scatter &rnd)
{
    const qreal r = rnd.next(1.2, 3.6);
    blob(p, at, r, r, QColor(255, 255, 255, int(rnd.next(170, 255))));
}

} // namespace

void writeBackgrounds(ArtSink &sink)
{
    sink.add(QStringLiteral("backgrounds/BELLS.png"),
             gridTiled(QColor(0x1e, 0x5a, 0x38), 4, 11, bellPair));
    sink.add(QStringLiteral("backgrounds/CANDYCANES.png"),
             gridTiled(QColor(0xf4, 0xf0, 0xe6), 4, 23, cane));
    sink.add(QStringLiteral("backgrounds/GIFTS.png"),
             gridTiled(QColor(0x1c, 0x2c, 0x5c), 4, 37, present));
    // Quiet enough to sit under black dialog text.
    sink.add(QStringLiteral("backgrounds/SNOWFLAKES1.png"),
             gridTiled(QColor(0xee, 0xf4, 0xfb), 5, 41, flake(QColor(0xc8, 0xda, 0xee), 6, 12, 1.6)));
    sink.add(QStringLiteral("backgrounds/SNOW.png"),
             scattered(QColor(0x24, 0x36, 0x6e), 170, 53, snowDot));
    sink.add(QStringLiteral("backgrounds/SNOWFLAKES2.png"),
             gridTiled(QColor(0x3c, 0x74, 0xb8), 5, 67, flake(Qt::white, 6, 16, 2)));
}

} // namespace art
