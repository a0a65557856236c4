#include "Motifs.h"

#include "Paint.h"
#include "SuitShapes.h"

#include <QRadialGradient>
#include <cmath>

namespace art::motif {

namespace {

const QColor kInk(0x30, 0x22, 0x20);
const QColor kSkin(0xfb, 0xd5, 0xb5);
const QColor kCheek(0xf2, 0x8c, 0x8c);
const QColor kSantaRed(0xd4, 0x1e, 0x26);
const QColor kElfGreen(0x2c, 0x9a, 0x3c);
const QColor kGold(0xf2, 0xc0, 0x30);
const QColor kSnow(0xfb, 0xfd, 0xff);

// Maps a design grid of w x h units onto `box`, keeping the aspect ratio.
class Frame {
public:
    Frame(QPainter &p, const QRectF &box, qreal w = 100, qreal h = 100) : m_p(p)
    {
        const qreal s = std::min(box.width() / w, box.height() / h);
        p.save();
        p.translate(box.center());
        p.scale(s, s);
        p.translate(-w / 2, -h / 2);
    }
    ~Frame() { m_p.restore(); }
    Frame(const Frame &) = delete;
    Frame &operator=(const Frame &) = delete;

private:
    QPainter &m_p;
};

QPen ink(qreal w = 1.5)
{
    return outlinePen(kInk, w);
}

void fillPath(QPainter &p, const QPainterPath &path, const QBrush &brush, const QPen &pen = ink())
{
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPath(path);
}

QPainterPath rotatedEllipse(QPointF c, qreal rx, qreal ry, qreal degrees)
{
    QPainterPath e;
    e.addEllipse(QPointF(0, 0), rx, ry);
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(degrees);
    return t.map(e);
}

QBrush shine(QPointF c, qreal r, QColor light, QColor dark)
{
    QRadialGradient g(c, r, c - QPointF(r * 0.35, r * 0.35));
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return QBrush(g);
}

// A simple happy face: eyes, cheeks and a smile around a centre.
void cheerfulFace(QPainter &p, QPointF c, qreal r)
{
    blob(p, c + QPointF(-r * 0.38, -r * 0.1), r * 0.11, r * 0.14, kInk);
    blob(p, c + QPointF(r * 0.38, -r * 0.1), r * 0.11, r * 0.14, kInk);
    blob(p, c + QPointF(-r * 0.6, r * 0.25), r * 0.18, r * 0.12, kCheek);
    blob(p, c + QPointF(r * 0.6, r * 0.25), r * 0.18, r * 0.12, kCheek);
    p.setPen(outlinePen(QColor(0x90, 0x30, 0x30), r * 0.1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.35, c.y() - r * 0.1, r * 0.7, r * 0.55), 200 * 16, 140 * 16);
}

} // namespace

void candyCane(QPainter &p, const QRectF &box, bool mirrored)
{
    Frame f(p, box);
    if (mirrored) {
        p.translate(100, 0);
        p.scale(-1, 1);
    }
    QPainterPath spine;
    spine.moveTo(62, 94);
    spine.lineTo(62, 32);
    spine.arcTo(QRectF(30, 14, 32, 36), 0, 180);
    spine.lineTo(30, 42);
    QPainterPathStroker stroker;
    stroker.setWidth(13);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath cane = stroker.createStroke(spine);
    fillPath(p, cane, Qt::white, outlinePen(QColor(0x90, 0x10, 0x18), 2));
    p.save();
    p.setClipPath(cane);
    p.setPen(QPen(kSantaRed, 5.5));
    for (int i = -12; i < 14; ++i)
        p.drawLine(QPointF(i * 10, 110), QPointF(i * 10 + 110, 0));
    p.restore();
    p.setPen(outlinePen(QColor(0x90, 0x10, 0x18), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cane);
}

void bow(QPainter &p, QPointF c, qreal s, QColor colour)
{
    const QPen pen = outlinePen(colour.darker(160), s * 0.06);
    fillPath(p, polygon({c, c + QPointF(-s * 0.5, s * 0.9), c + QPointF(-s * 0.2, s * 0.8)}), colour, pen);
    fillPath(p, polygon({c, c + QPointF(s * 0.5, s * 0.9), c + QPointF(s * 0.2, s * 0.8)}), colour, pen);
    fillPath(p, rotatedEllipse(c + QPointF(-s * 0.42, -s * 0.1), s * 0.45, s * 0.25, 20), colour, pen);
    fillPath(p, rotatedEllipse(c + QPointF(s * 0.42, -s * 0.1), s * 0.45, s * 0.25, -20), colour, pen);
    blob(p, c, s * 0.16, s * 0.16, colour.lighter(115), pen);
}

void holly(QPainter &p, QPointF c, qreal s)
{
    const QColor leaf(0x1e, 0x7a, 0x2e);
    for (int side : {-1, 1}) {
        QPainterPath l;
        const qreal dx = side * s;
        l.moveTo(c);
        l.cubicTo(c + QPointF(dx * 0.2, -s * 0.35), c + QPointF(dx * 0.45, -s * 0.1), c + QPointF(dx * 0.5, -s * 0.3));
        l.cubicTo(c + QPointF(dx * 0.6, -s * 0.15), c + QPointF(dx * 0.8, -s * 0.3), c + QPointF(dx * 1.0, -s * 0.2));
        l.cubicTo(c + QPointF(dx * 0.8, 0), c + QPointF(dx * 0.7, s * 0.1), c + QPointF(dx * 0.6, s * 0.15));
        l.cubicTo(c + QPointF(dx * 0.45, s * 0.1), c + QPointF(dx * 0.3, s * 0.3), c + QPointF(dx * 0.2, s * 0.2));
        l.closeSubpath();
        fillPath(p, l, leaf, outlinePen(leaf.darker(150), s * 0.05));
    }
    for (QPointF d : {QPointF(-0.12, -0.08), QPointF(0.12, -0.08), QPointF(0, 0.1)})
        blob(p, c + d * s, s * 0.14, s * 0.14, shine(c + d * s, s * 0.14, QColor(0xff, 0x70, 0x70), QColor(0xc0, 0x10, 0x18)),
             outlinePen(QColor(0x70, 0x0, 0x0), s * 0.03));
}

void rabbit(QPainter &p, const QRectF &box)
{
    Frame f(p, box);
    const QPen fur = outlinePen(QColor(0x88, 0x88, 0x98), 1.6);
    const QColor white(0xfa, 0xfa, 0xfc);
    const QColor pink(0xf6, 0xa8, 0xb8);
    for (int side : {-1, 1}) {
        fillPath(p, rotatedEllipse(QPointF(50 + side * 9, 18), 6.5, 17, side * 12), white, fur);
        fillPath(p, rotatedEllipse(QPointF(50 + side * 9, 19), 3, 12, side * 12), pink, Qt::NoPen);
    }
    blob(p, QPointF(74, 78), 8, 8, white, fur); // tail
    blob(p, QPointF(50, 72), 25, 23, white, fur);
    blob(p, QPointF(36, 93), 10, 5, white, fur);
    blob(p, QPointF(64, 93), 10, 5, white, fur);
    blob(p, QPointF(42, 76), 6, 9, white, fur);
    blob(p, QPointF(58, 76), 6, 9, white, fur);
    blob(p, QPointF(50, 44), 18, 16, white, fur);
    blob(p, QPointF(43, 42), 2.8, 3.4, kInk);
    blob(p, QPointF(57, 42), 2.8, 3.4, kInk);
    blob(p, QPointF(44, 41), 0.9, 0.9, Qt::white);
    blob(p, QPointF(58, 41), 0.9, 0.9, Qt::white);
    blob(p, QPointF(50, 49), 2.6, 2, pink, outlinePen(QColor(0xc0, 0x60, 0x70), 1));
    blob(p, QPointF(40, 50), 3, 2, kCheek);
    blob(p, QPointF(60, 50), 3, 2, kCheek);
    p.setPen(outlinePen(QColor(0x90, 0x90, 0xa0), 0.8));
    for (int side : {-1, 1})
        for (int k : {-1, 1})
            p.drawLine(QPointF(50 + side * 5, 50), QPointF(50 + side * 16, 50 + k * 3));
    bow(p, QPointF(50, 59), 9, kSantaRed);
}

void pineCone(QPainter &p, const QRectF &box)
{
    Frame f(p, box);
    const QColor dark(0x5a, 0x34, 0x18), scale(0xa8, 0x6a, 0x32);
    blob(p, QPointF(50, 60), 24, 34, dark, ink(1.5));
    // Scales in staggered rows, each overlapping the one above it.
    for (int row = 0; row < 8; ++row) {
        const qreal y = 32 + row * 8;
        const qreal half = 24 * std::sqrt(std::max(0.0, 1 - std::pow((y - 62) / 36, 2)));
        const int n = std::max(2, int(half / 6));
        for (int i = 0; i < n; ++i) {
            const qreal x = 50 - half + 4 + (i + (row % 2) * 0.5) * (2 * half - 8) / std::max(1, n - (row % 2 ? 0 : 1));
            if (x > 50 + half - 3)
                continue;
            QPainterPath s;
            s.moveTo(x - 6, y);
            s.quadTo(x, y + 11, x + 6, y);
            s.quadTo(x, y + 4, x - 6, y);
            fillPath(p, s, shine(QPointF(x, y + 4), 7, scale.lighter(125), scale), outlinePen(dark.darker(140), 1));
        }
    }
    holly(p, QPointF(50, 22), 28);
}

void elf(QPainter &p, const QRectF &box, bool withGift, bool doll)
{
    Frame f(p, box);
    const QPen line = ink(1.4);
    const qreal headR = doll ? 16 : 13;
    const QPointF face(50, doll ? 36 : 35);
    // Legs and curled shoes.
    for (int side : {-1, 1}) {
        p.setPen(line);
        p.setBrush(kElfGreen);
        p.drawRect(QRectF(50 + side * 7 - 4, 74, 8, 16));
        p.setPen(QPen(Qt::white, 2.5));
        for (qreal y = 78; y < 90; y += 5)
            p.drawLine(QPointF(50 + side * 7 - 3, y), QPointF(50 + side * 7 + 3, y));
        QPainterPath shoe;
        shoe.moveTo(50 + side * 3, 96);
        shoe.lineTo(50 + side * 3, 89);
        shoe.quadTo(50 + side * 16, 88, 50 + side * 19, 84);
        shoe.quadTo(50 + side * 20, 96, 50 + side * 3, 96);
        fillPath(p, shoe, QColor(0x8a, 0x24, 0x1c), line);
    }
    // Tunic with belt.
    fillPath(p, polygon({{38, 48}, {62, 48}, {70, 78}, {30, 78}}), kSantaRed, line);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(35, 63, 30, 4.5));
    p.setPen(outlinePen(kGold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(47, 62.5, 6, 5.5));
    // Zigzag collar.
    QPainterPath collar;
    collar.moveTo(36, 47);
    for (int i = 0; i <= 6; ++i)
        collar.lineTo(36 + i * 4.7, i % 2 ? 55 : 47);
    collar.closeSubpath();
    fillPath(p, collar, kElfGreen, line);
    // Arms: forward round a present, or down by the sides.
    if (withGift) {
        fillPath(p, rotatedEllipse(QPointF(36, 60), 5, 11, 30), kSantaRed, line);
        fillPath(p, rotatedEllipse(QPointF(64, 60), 5, 11, -30), kSantaRed, line);
        gift(p, QRectF(33, 56, 34, 24), QColor(0x2a, 0x6c, 0xd8), kGold);
        blob(p, QPointF(32, 68), 4, 4, kSkin, line);
        blob(p, QPointF(68, 68), 4, 4, kSkin, line);
    } else {
        for (int side : {-1, 1}) {
            fillPath(p, rotatedEllipse(QPointF(50 + side * 16, 60), 5, 12, -side * 15), kSantaRed, line);
            blob(p, QPointF(50 + side * 19, 71), 4, 4, kSkin, line);
            if (doll)
                blob(p, QPointF(50 + side * 13, 51), 2.2, 2.2, kGold, outlinePen(kInk, 0.8));
        }
    }
    // Pointed ears, face, hat.
    for (int side : {-1, 1})
        fillPath(p, polygon({face + QPointF(side * headR * 0.8, -3), face + QPointF(side * (headR + 7), -9),
                             face + QPointF(side * headR * 0.85, 4)}), kSkin, line);
    blob(p, face, headR, headR * 0.95, kSkin, line);
    if (doll) {
        // Button eyes and stitched smile make it a toy.
        for (int side : {-1, 1}) {
            blob(p, face + QPointF(side * 6, -1), 3.4, 3.4, kInk);
            blob(p, face + QPointF(side * 5.2, -2), 1, 1, Qt::white);
            blob(p, face + QPointF(side * 10, 5), 3.2, 2.2, kCheek);
        }
        p.setPen(outlinePen(QColor(0x90, 0x30, 0x30), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(face.x() - 6, face.y() + 1, 12, 8), 200 * 16, 140 * 16);
    } else {
        cheerfulFace(p, face + QPointF(0, 1), headR);
    }
    QPainterPath hat;
    const qreal brim = face.y() - headR * 0.55;
    hat.moveTo(face.x() - headR - 1, brim);
    hat.cubicTo(face.x() - headR + 2, brim - 22, face.x() + 10, brim - 30, face.x() + 26, brim - 24);
    hat.cubicTo(face.x() + 12, brim - 20, face.x() + headR, brim - 10, face.x() + headR + 1, brim);
    hat.closeSubpath();
    fillPath(p, hat, kElfGreen, line);
    p.setPen(line);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(face.x() - headR - 2.5, brim - 3, 2 * headR + 5, 6.5), 3, 3);
    blob(p, QPointF(face.x() + 27, brim - 24), 5, 5, Qt::white, line);
}

void gingerbreadHouse(QPainter &p, const QRectF &box)
{
    Frame f(p, box);
    const QColor ginger(0xb8, 0x6a, 0x2c), roof(0x7a, 0x40, 0x1a);
    const QPen line = outlinePen(QColor(0x4a, 0x24, 0x0c), 1.6);
    p.setPen(line);
    p.setBrush(roof);
    p.drawRect(QRectF(64, 16, 9, 20)); // chimney
    p.setBrush(ginger);
    p.drawRect(QRectF(20, 46, 60, 46));
    fillPath(p, polygon({{10, 50}, {50, 12}, {90, 50}}), roof, line);
    // Icing along the roof edge as a row of drops.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i <= 10; ++i) {
        const qreal t = i / 10.0;
        blob(p, QPointF(10 + 40 * t, 50 - 38 * t), 3.4, 3.4, Qt::white);
        blob(p, QPointF(50 + 40 * t, 12 + 38 * t), 3.4, 3.4, Qt::white);
    }
    for (int i = 0; i < 8; ++i)
        blob(p, QPointF(23 + i * 7.7, 52), 3, 4, Qt::white);
    const QColor candies[] = {kSantaRed, QColor(0x30, 0xa0, 0x40), kGold, QColor(0x40, 0x80, 0xe0)};
    for (int i = 0; i < 5; ++i)
        blob(p, QPointF(32 + i * 9, 40 - (i == 2 ? 10 : i % 2 ? 5 : 0)), 3, 3, candies[i % 4],
             outlinePen(Qt::white, 1));
    // Door and windows.
    QPainterPath door;
    door.moveTo(43, 92);
    door.lineTo(43, 72);
    door.arcTo(QRectF(43, 66, 14, 12), 180, -180);
    door.lineTo(57, 92);
    door.closeSubpath();
    fillPath(p, door, QColor(0xe8, 0x5a, 0x7a), line);
    blob(p, QPointF(54, 82), 1.2, 1.2, kGold);
    for (qreal x : {26.0, 62.0}) {
        p.setPen(outlinePen(Qt::white, 2));
        p.setBrush(QColor(0xff, 0xe0, 0x70));
        p.drawRect(QRectF(x, 62, 12, 11));
        p.drawLine(QPointF(x + 6, 62), QPointF(x + 6, 73));
        p.drawLine(QPointF(x, 67.5), QPointF(x + 12, 67.5));
    }
    // Snow drift at the foot.
    for (int i = 0; i < 7; ++i)
        blob(p, QPointF(12 + i * 13, 94), 9, 4.5, kSnow);
}

void bell(QPainter &p, QPointF c, qreal s, qreal tilt)
{
    p.save();
    p.translate(c);
    p.rotate(tilt);
    p.scale(s / 100, s / 100);
    blob(p, QPointF(0, 44), 9, 9, QColor(0x9a, 0x70, 0x10), ink(2)); // clapper
    QPainterPath b;
    b.moveTo(-42, 40);
    b.cubicTo(-30, 30, -30, 10, -28, -10);
    b.cubicTo(-26, -44, 26, -44, 28, -10);
    b.cubicTo(30, 10, 30, 30, 42, 40);
    b.quadTo(0, 50, -42, 40);
    b.closeSubpath();
    QLinearGradient g(-40, 0, 40, 0);
    g.setColorAt(0, QColor(0xb8, 0x84, 0x10));
    g.setColorAt(0.35, QColor(0xff, 0xe6, 0x70));
    g.setColorAt(1, QColor(0xb0, 0x78, 0x08));
    fillPath(p, b, g, outlinePen(QColor(0x6a, 0x48, 0x08), 2.5));
    p.setPen(outlinePen(QColor(0x8a, 0x60, 0x08), 2.5));
    p.drawLine(QPointF(-34, 30), QPointF(34, 30));
    p.setPen(outlinePen(QColor(0xff, 0xf6, 0xc0), 4));
    p.drawLine(QPointF(-14, -24), QPointF(-18, 14));
    p.restore();
}

void chocolateSanta(QPainter &p, const QRectF &box)
{
    Frame f(p, box);
    const QColor choc(0x6e, 0x3a, 0x1c), chocLight(0x9a, 0x5a, 0x30);
    const QPen line = outlinePen(QColor(0x3a, 0x1c, 0x0a), 1.6);
    QPainterPath figure;
    figure.addEllipse(QPointF(50, 38), 16, 16);
    figure.addPath(polygon({{36, 30}, {64, 30}, {58, 8}, {52, 4}}));
    QPainterPath body;
    body.moveTo(34, 50);
    body.cubicTo(24, 62, 22, 84, 26, 96);
    body.lineTo(74, 96);
    body.cubicTo(78, 84, 76, 62, 66, 50);
    body.closeSubpath();
    figure.addPath(body);
    figure = figure.simplified();
    // A bite out of the hat says "chocolate" better than any colour.
    QPainterPath bite;
    bite.addEllipse(QPointF(58, 5), 6, 6);
    bite.addEllipse(QPointF(62, 11), 5, 5);
    figure = figure.subtracted(bite);
    fillPath(p, figure, shine(QPointF(44, 40), 50, chocLight, choc), line);
    // Embossed beard, hat rim and eyes.
    p.setPen(outlinePen(chocLight.lighter(115), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(36, 30, 28, 30), 200 * 16, 140 * 16);
    p.drawLine(QPointF(36, 29), QPointF(64, 29));
    blob(p, QPointF(44, 36), 1.8, 1.8, QColor(0x3a, 0x1c, 0x0a));
    blob(p, QPointF(56, 36), 1.8, 1.8, QColor(0x3a, 0x1c, 0x0a));
    // The red foil still wraps the lower half.
    QPainterPath foil;
    foil.moveTo(27, 68);
    foil.lineTo(34, 64);
    foil.lineTo(42, 69);
    foil.lineTo(50, 63);
    foil.lineTo(58, 69);
    foil.lineTo(66, 64);
    foil.lineTo(74, 68);
    foil.cubicTo(76, 78, 77, 88, 75, 97);
    foil.lineTo(25, 97);
    foil.cubicTo(23, 88, 24, 78, 27, 68);
    foil.closeSubpath();
    QLinearGradient g(25, 0, 75, 0);
    g.setColorAt(0, QColor(0xa0, 0x10, 0x18));
    g.setColorAt(0.4, QColor(0xf0, 0x50, 0x50));
    g.setColorAt(1, QColor(0xa0, 0x10, 0x18));
    fillPath(p, foil, g, outlinePen(QColor(0x70, 0x08, 0x10), 1.4));
    p.setPen(outlinePen(QColor(0xff, 0xa0, 0xa0), 1));
    for (qreal x : {33.0, 45.0, 57.0, 68.0})
        p.drawLine(QPointF(x, 72), QPointF(x + 2, 92));
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawRect(QRectF(26, 82, 49, 5));
    star(p, QPointF(50, 84.5), 6, QColor(0xff, 0xf0, 0x90));
}

void candle(QPainter &p, const QRectF &box, QColor wax)
{
    Frame f(p, box, 30, 100);
    QRadialGradient glow(QPointF(15, 22), 15);
    glow.setColorAt(0, QColor(0xff, 0xf0, 0xa0, 200));
    glow.setColorAt(1, QColor(0xff, 0xe0, 0x80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(15, 22), 15, 15);
    QLinearGradient g(6, 0, 24, 0);
    g.setColorAt(0, wax.darker(125));
    g.setColorAt(0.4, wax.lighter(130));
    g.setColorAt(1, wax.darker(140));
    p.setPen(outlinePen(wax.darker(200), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(6, 36, 18, 62), 2, 2);
    QPainterPath drip;
    drip.moveTo(6, 36);
    drip.lineTo(24, 36);
    drip.lineTo(24, 42);
    drip.quadTo(21, 50, 19, 42);
    drip.quadTo(15, 38, 12, 46);
    drip.quadTo(9, 52, 7, 44);
    drip.closeSubpath();
    fillPath(p, drip, wax.lighter(140), Qt::NoPen);
    p.setPen(outlinePen(kInk, 1.2));
    p.drawLine(QPointF(15, 36), QPointF(15, 30));
    QPainterPath flame;
    flame.moveTo(15, 8);
    flame.cubicTo(20, 18, 21, 24, 15, 31);
    flame.cubicTo(9, 24, 10, 18, 15, 8);
    QLinearGradient fg(15, 8, 15, 31);
    fg.setColorAt(0, QColor(0xff, 0x90, 0x20));
    fg.setColorAt(0.6, QColor(0xff, 0xe0, 0x40));
    fg.setColorAt(1, QColor(0xff, 0xff, 0xd0));
    fillPath(p, flame, fg, outlinePen(QColor(0xe0, 0x70, 0x10), 0.8));
}

void firTree(QPainter &p, const QRectF &box, bool decorated)
{
    Frame f(p, box);
    const QColor green = decorated ? QColor(0x1c, 0x7c, 0x34) : QColor(0x2a, 0x8c, 0x44);
    p.setPen(outlinePen(QColor(0x40, 0x24, 0x10), 1.4));
    p.setBrush(QColor(0x7a, 0x48, 0x20));
    p.drawRect(QRectF(44, 82, 12, 14));
    struct Tier {
        qreal top, bottom, half;
    };
    const Tier tiers[] = {{8, 38, 20}, {22, 60, 30}, {40, 86, 40}};
    for (const Tier &t : tiers) {
        QPainterPath tier;
        tier.moveTo(50, t.top);
        tier.quadTo(50 - t.half * 0.5, t.bottom - 10, 50 - t.half, t.bottom);
        tier.quadTo(50, t.bottom - 6, 50 + t.half, t.bottom);
        tier.quadTo(50 + t.half * 0.5, t.bottom - 10, 50, t.top);
        QLinearGradient g(50 - t.half, 0, 50 + t.half, 0);
        g.setColorAt(0, green.lighter(125));
        g.setColorAt(1, green.darker(140));
        fillPath(p, tier, g, outlinePen(green.darker(200), 1.4));
        if (!decorated) {
            // Fresh snow lying on each tier's lower edge.
            p.setPen(outlinePen(kSnow, 3.5));
            p.setBrush(Qt::NoBrush);
            QPainterPath snow;
            snow.moveTo(50 - t.half + 3, t.bottom - 2);
            snow.quadTo(50, t.bottom - 8, 50 + t.half - 3, t.bottom - 2);
            p.drawPath(snow);
        }
    }
    if (!decorated)
        return;
    p.setPen(outlinePen(kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(28, 14, 44, 28), 200 * 16, 140 * 16);
    p.drawArc(QRectF(18, 36, 64, 30), 200 * 16, 140 * 16);
    p.drawArc(QRectF(12, 58, 76, 30), 200 * 16, 140 * 16);
    const QColor balls[] = {kSantaRed, QColor(0x30, 0x70, 0xe0), kGold, QColor(0xd0, 0x40, 0xc0)};
    const QPointF at[] = {{42, 32}, {58, 30}, {34, 52}, {50, 55}, {66, 50}, {24, 76}, {40, 78}, {60, 78}, {76, 74}};
    for (int i = 0; i < 9; ++i)
        blob(p, at[i], 3.8, 3.8, shine(at[i], 4, balls[i % 4].lighter(160), balls[i % 4]),
             outlinePen(balls[i % 4].darker(180), 0.8));
    star(p, QPointF(50, 8), 9, kGold);
}

void santa(QPainter &p, const QRectF &box)
{
    Frame f(p, box);
    const QPen line = ink(1.5);
    // Coat with fur trim.
    QPainterPath coat;
    coat.moveTo(12, 100);
    coat.cubicTo(14, 76, 26, 66, 50, 66);
    coat.cubicTo(74, 66, 86, 76, 88, 100);
    coat.closeSubpath();
    fillPath(p, coat, kSantaRed, line);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(46, 70, 8, 30));
    // Big beard of overlapping curls.
    const QPointF curls[] = {{30, 58}, {40, 68}, {50, 72}, {60, 68}, {70, 58}, {36, 50}, {64, 50}, {50, 62}};
    for (QPointF c : curls)
        blob(p, c, 11, 11, kSnow, outlinePen(QColor(0xa0, 0xa8, 0xb8), 1.2));
    for (QPointF c : curls)
        blob(p, c, 10, 10, kSnow);
    blob(p, QPointF(50, 44), 16, 14, kSkin, line);
    blob(p, QPointF(43, 42), 2.2, 2.6, kInk);
    blob(p, QPointF(57, 42), 2.2, 2.6, kInk);
    blob(p, QPointF(40, 48), 3.5, 2.5, kCheek);
    blob(p, QPointF(60, 48), 3.5, 2.5, kCheek);
    // Moustache and nose.
    fillPath(p, rotatedEllipse(QPointF(43, 53), 7.5, 3.5, -15), kSnow, outlinePen(QColor(0xa0, 0xa8, 0xb8), 1));
    fillPath(p, rotatedEllipse(QPointF(57, 53), 7.5, 3.5, 15), kSnow, outlinePen(QColor(0xa0, 0xa8, 0xb8), 1));
    blob(p, QPointF(50, 49), 3.5, 3, QColor(0xf0, 0x80, 0x70), outlinePen(QColor(0xb0, 0x50, 0x40), 1));
    // Hat flopping to the side with its bobble.
    QPainterPath hat;
    hat.moveTo(32, 34);
    hat.cubicTo(34, 12, 60, 2, 80, 16);
    hat.lineTo(84, 30);
    hat.cubicTo(76, 22, 70, 22, 68, 34);
    hat.closeSubpath();
    fillPath(p, hat, kSantaRed, line);
    p.setPen(outlinePen(QColor(0xa0, 0xa8, 0xb8), 1.2));
    p.setBrush(kSnow);
    p.drawRoundedRect(QRectF(29, 30, 42, 9), 4.5, 4.5);
    blob(p, QPointF(84, 32), 6, 6, kSnow, outlinePen(QColor(0xa0, 0xa8, 0xb8), 1.2));
    p.setPen(outlinePen(QColor(0xe8, 0xe8, 0xf0), 2));
    p.drawLine(QPointF(38, 37), QPointF(46, 36));
    p.drawLine(QPointF(54, 36), QPointF(62, 37));
}

void gift(QPainter &p, const QRectF &r, QColor paper, QColor ribbon)
{
    const qreal lid = r.height() * 0.24;
    const QRectF body(r.left() + r.width() * 0.06, r.top() + lid, r.width() * 0.88, r.height() - lid);
    const QRectF top(r.left(), r.top() + lid * 0.55, r.width(), lid * 0.9);
    const qreal band = std::max(1.5, r.width() * 0.13);
    const QPen line = outlinePen(paper.darker(220), std::max(0.8, r.width() * 0.03));
    p.setPen(line);
    p.setBrush(vertical(body, paper.lighter(115), paper.darker(115)));
    p.drawRect(body);
    p.setBrush(paper.lighter(110));
    p.drawRect(top);
    p.setPen(Qt::NoPen);
    p.setBrush(ribbon);
    p.drawRect(QRectF(r.center().x() - band / 2, top.top(), band, r.bottom() - top.top()));
    p.drawRect(QRectF(body.left(), body.center().y() - band / 2, body.width(), band));
    bow(p, QPointF(r.center().x(), top.top()), r.width() * 0.3, ribbon);
}

void iceSwan(QPainter &p, const QRectF &box)
{
    Frame f(p, box);
    const QColor ice(0xc8, 0xec, 0xff), deep(0x58, 0xa8, 0xe0);
    const QPen line = outlinePen(QColor(0x2a, 0x70, 0xb0), 1.6);
    QLinearGradient g(20, 30, 80, 90);
    g.setColorAt(0, QColor(0xf4, 0xfc, 0xff));
    g.setColorAt(0.5, ice);
    g.setColorAt(1, deep);
    // Pedestal block.
    p.setPen(line);
    p.setBrush(g);
    p.drawPath(polygon({{22, 82}, {78, 82}, {84, 96}, {16, 96}}));
    // Body with a raised wing, then the S-shaped neck.
    QPainterPath body;
    body.moveTo(22, 62);
    body.cubicTo(22, 82, 70, 86, 80, 70);
    body.cubicTo(86, 60, 84, 44, 90, 34);
    body.cubicTo(74, 40, 66, 54, 52, 60);
    body.cubicTo(42, 64, 30, 60, 22, 62);
    body.closeSubpath();
    fillPath(p, body, g, line);
    QPainterPath wing;
    wing.moveTo(40, 66);
    wing.cubicTo(52, 50, 70, 40, 82, 40);
    wing.cubicTo(72, 52, 64, 66, 50, 72);
    wing.closeSubpath();
    fillPath(p, wing, QColor(0xe8, 0xf8, 0xff), line);
    QPainterPath neck;
    neck.moveTo(28, 64);
    neck.cubicTo(18, 48, 44, 40, 38, 24);
    neck.cubicTo(35, 16, 26, 16, 24, 22);
    QPainterPathStroker stroker;
    stroker.setWidth(8);
    stroker.setCapStyle(Qt::RoundCap);
    fillPath(p, stroker.createStroke(neck), g, line);
    fillPath(p, polygon({{22, 20}, {12, 26}, {22, 26}}), QColor(0xa8, 0xd8, 0xf8), line);
    blob(p, QPointF(28, 20), 1.6, 1.6, QColor(0x1a, 0x50, 0x90));
    // Glints.
    for (QPointF c : {QPointF(60, 30), QPointF(16, 44), QPointF(86, 80)})
        star(p, c, 5, Qt::white);
    p.setPen(outlinePen(Qt::white, 2));
    p.drawLine(QPointF(30, 72), QPointF(44, 76));
}

void snowPlough(QPainter &p, const QRectF &box)
{
    Frame f(p, box);
    const QPen line = ink(1.6);
    const QColor paint(0xff, 0x9c, 0x1a);
    // Snow thrown up in front of the blade.
    for (QPointF c : {QPointF(8, 78), QPointF(14, 68), QPointF(6, 64), QPointF(18, 80)})
        blob(p, c, 8, 7, kSnow, outlinePen(QColor(0xa8, 0xc0, 0xd8), 1));
    // Body, cab and window.
    p.setPen(line);
    p.setBrush(vertical(QRectF(30, 56, 64, 24), paint.lighter(120), paint.darker(120)));
    p.drawRoundedRect(QRectF(32, 56, 62, 22), 3, 3);
    p.drawRoundedRect(QRectF(56, 34, 30, 26), 4, 4);
    p.setBrush(QColor(0xb8, 0xe4, 0xff));
    p.drawRoundedRect(QRectF(61, 38, 20, 14), 2, 2);
    p.setBrush(QColor(0xff, 0x40, 0x20));
    p.drawRoundedRect(QRectF(66, 28, 10, 6), 2, 2); // beacon
    p.setPen(outlinePen(QColor(0xff, 0xe0, 0x40), 1.5));
    p.drawLine(QPointF(63, 26), QPointF(60, 22));
    p.drawLine(QPointF(79, 26), QPointF(82, 22));
    // Hazard stripes along the body.
    p.save();
    p.setClipRect(QRectF(34, 70, 58, 6));
    p.setPen(QPen(kInk, 3));
    for (int x = 30; x < 100; x += 8)
        p.drawLine(QPointF(x, 78), QPointF(x + 8, 68));
    p.restore();
    // The curved plough blade on its arm.
    p.setPen(outlinePen(QColor(0x50, 0x50, 0x58), 3));
    p.drawLine(QPointF(24, 70), QPointF(34, 68));
    QPainterPath blade;
    blade.moveTo(18, 52);
    blade.quadTo(30, 68, 20, 90);
    blade.lineTo(28, 90);
    blade.quadTo(36, 68, 26, 52);
    blade.closeSubpath();
    fillPath(p, blade, vertical(QRectF(18, 52, 18, 38), QColor(0xd8, 0xdc, 0xe4), QColor(0x70, 0x78, 0x88)), line);
    for (qreal x : {46.0, 82.0}) {
        blob(p, QPointF(x, 82), 10, 10, QColor(0x2a, 0x2a, 0x30), line);
        blob(p, QPointF(x, 82), 4, 4, QColor(0xb0, 0xb0, 0xb8), ink(1));
    }
}

void snowflake(QPainter &p, QPointF c, qreal r, QColor colour, qreal width)
{
    p.save();
    p.translate(c);
    p.setPen(outlinePen(colour, width));
    for (int arm = 0; arm < 6; ++arm) {
        p.drawLine(QPointF(0, 0), QPointF(0, -r));
        for (qreal t : {0.45, 0.72}) {
            const qreal len = r * (t < 0.5 ? 0.32 : 0.22);
            p.drawLine(QPointF(0, -r * t), QPointF(-len, -r * t - len));
            p.drawLine(QPointF(0, -r * t), QPointF(len, -r * t - len));
        }
        p.rotate(60);
    }
    p.restore();
}

void star(QPainter &p, QPointF c, qreal r, QColor colour)
{
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const qreal a = (i * 36 - 90) * M_PI / 180;
        const qreal rr = i % 2 ? r * 0.45 : r;
        const QPointF pt = c + QPointF(rr * std::cos(a), rr * std::sin(a));
        if (i == 0)
            s.moveTo(pt);
        else
            s.lineTo(pt);
    }
    s.closeSubpath();
    fillPath(p, s, colour, outlinePen(colour.darker(150), std::max(0.6, r * 0.08)));
}

void sack(QPainter &p, const QRectF &box)
{
    Frame f(p, box);
    const QColor cloth(0xa8, 0x74, 0x3c);
    const QPen line = outlinePen(QColor(0x5a, 0x38, 0x18), 1.8);
    // Presents peeking out of the open neck.
    gift(p, QRectF(30, 6, 22, 20), kSantaRed, kGold);
    gift(p, QRectF(50, 10, 20, 18), QColor(0x2a, 0x9a, 0x50), Qt::white);
    QPainterPath bag;
    bag.moveTo(34, 26);
    bag.cubicTo(10, 40, 4, 80, 16, 94);
    bag.quadTo(50, 100, 84, 94);
    bag.cubicTo(96, 80, 90, 40, 66, 26);
    bag.closeSubpath();
    fillPath(p, bag, shine(QPointF(40, 60), 50, cloth.lighter(130), cloth.darker(115)), line);
    p.setPen(outlinePen(QColor(0x7a, 0x50, 0x28), 1.2));
    p.drawLine(QPointF(40, 40), QPointF(36, 70));
    p.drawLine(QPointF(62, 42), QPointF(66, 74));
    p.setBrush(QColor(0x8a, 0x5a, 0x2a));
    p.setPen(line);
    p.drawRoundedRect(QRectF(30, 24, 40, 7), 3, 3);
    bow(p, QPointF(50, 28), 10, kSantaRed);
    // A patch makes it look well travelled.
    p.setPen(outlinePen(QColor(0x5a, 0x38, 0x18), 1));
    p.setBrush(QColor(0xc8, 0x9a, 0x58));
    p.drawRect(QRectF(56, 70, 14, 12));
}

void playingCard(QPainter &p, const QRectF &box, qreal angle, const QString &rank, bool red)
{
    p.save();
    p.translate(box.center());
    p.rotate(angle);
    const QRectF r(-box.width() / 2, -box.height() / 2, box.width(), box.height());
    p.setPen(outlinePen(QColor(0x40, 0x40, 0x48), std::max(0.8, box.width() * 0.03)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, box.width() * 0.1, box.width() * 0.1);
    const Suit suit = red ? Suit::Hearts : Suit::Spades;
    drawTextIn(p, QRectF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.06, r.width() * 0.3, r.height() * 0.2),
               rank, font(40), suitColour(suit));
    drawSuit(p, suit, QPointF(0, r.height() * 0.08), r.width() * 0.5);
    p.restore();
}

} // namespace art::motif
