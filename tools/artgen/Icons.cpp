#include "Icons.h"

#include "ArtSink.h"
#include "Paint.h"

#include <functional>

namespace art {

namespace {

constexpr int kIcon = 18;
constexpr int kCount = 5;

void play(QPainter &p)
{
    p.setPen(outlinePen(QColor(0x14, 0x60, 0x24), 1.2));
    p.setBrush(vertical(QRectF(0, 0, kIcon, kIcon), QColor(0x70, 0xd8, 0x70), QColor(0x1c, 0x90, 0x30)));
    p.drawEllipse(QPointF(9, 9), 7.8, 7.8);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(polygon({{7, 5}, {13.2, 9}, {7, 13}}));
}

// An open door with an arrow leaving through it.
void exitDoor(QPainter &p)
{
    p.setPen(outlinePen(QColor(0x5a, 0x34, 0x14), 1));
    p.setBrush(QColor(0xc0, 0x80, 0x40));
    p.drawRect(QRectF(2.5, 1.5, 9, 15));
    p.setBrush(QColor(0x8a, 0x50, 0x20));
    p.drawPath(polygon({{2.5, 1.5}, {7.5, 3.5}, {7.5, 17}, {2.5, 16.5}}));
    p.setPen(outlinePen(QColor(0xd0, 0x20, 0x20), 2));
    p.drawLine(QPointF(9, 9), QPointF(16, 9));
    p.drawLine(QPointF(13.5, 6), QPointF(16.3, 9));
    p.drawLine(QPointF(13.5, 12), QPointF(16.3, 9));
}

void bulb(QPainter &p)
{
    QRadialGradient glass(QPointF(7.5, 5.5), 7);
    glass.setColorAt(0, QColor(0xff, 0xff, 0xe0));
    glass.setColorAt(1, QColor(0xf8, 0xd0, 0x20));
    QPainterPath shape;
    shape.moveTo(6, 12.5);
    shape.cubicTo(5, 10, 3, 9, 3, 6.5);
    shape.cubicTo(3, 3, 6, 1, 9, 1);
    shape.cubicTo(12, 1, 15, 3, 15, 6.5);
    shape.cubicTo(15, 9, 13, 10, 12, 12.5);
    shape.closeSubpath();
    p.setPen(outlinePen(QColor(0x9a, 0x70, 0x08), 1));
    p.setBrush(glass);
    p.drawPath(shape);
    p.setBrush(QColor(0x90, 0x98, 0xa8));
    p.setPen(outlinePen(QColor(0x50, 0x58, 0x68), 0.8));
    p.drawRoundedRect(QRectF(6, 12.5, 6, 4), 1, 1);
    p.drawLine(QPointF(6.5, 14.5), QPointF(11.5, 14.5));
}

// Two chasing arrows: the computer keeps playing by itself.
void loop(QPainter &p)
{
    const QColor blue(0x20, 0x60, 0xd0);
    for (int half = 0; half < 2; ++half) {
        p.save();
        p.translate(9, 9);
        p.rotate(half * 180);
        p.setPen(outlinePen(blue, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-6, -6, 12, 12), 20 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawPath(polygon({{-8.8, -1.5}, {-3.2, -1.5}, {-6, 2.6}}));
        p.restore();
    }
}

void book(QPainter &p)
{
    p.setPen(outlinePen(QColor(0x6a, 0x10, 0x14), 1));
    p.setBrush(QColor(0xc0, 0x24, 0x2c));
    p.drawRoundedRect(QRectF(3, 1.5, 12, 15), 1, 1);
    p.setBrush(QColor(0xf8, 0xf4, 0xe8));
    p.setPen(outlinePen(QColor(0x90, 0x88, 0x78), 0.7));
    p.drawRect(QRectF(4.5, 14, 10.5, 2.5));
    p.setPen(outlinePen(QColor(0xf0, 0xc8, 0x40), 1));
    p.drawLine(QPointF(6.5, 5), QPointF(12.5, 5));
    p.drawLine(QPointF(6.5, 7.5), QPointF(11, 7.5));
    p.setPen(outlinePen(QColor(0x6a, 0x10, 0x14), 1));
    p.drawLine(QPointF(5, 2), QPointF(5, 14));
}

QImage strip(const std::function<QRgb(QRgb)> &recolour)
{
    const std::function<void(QPainter &)> icons[kCount] = {play, exitDoor, bulb, loop, book};
    QImage img = canvas({kIcon * kCount, kIcon});
    QPainter p(&img);
    prepare(p);
    for (int i = 0; i < kCount; ++i) {
        p.save();
        p.translate(i * kIcon, 0);
        icons[i](p);
        p.restore();
    }
    p.end();
    img = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = recolour(line[x]);
    }
    return img;
}

QRgb unchanged(QRgb c)
{
    return c;
}

// Washed-out grey, half transparent, as toolkits show unavailable commands.
QRgb greyed(QRgb c)
{
    const int g = 120 + qGray(c) / 2;
    return qRgba(g, g, g, qAlpha(c) / 2);
}

// Lifted towards white so the icon glows under the pointer.
QRgb brightened(QRgb c)
{
    const auto lift = [](int v) { return std::min(255, v + (255 - v) / 3 + 12); };
    return qRgba(lift(qRed(c)), lift(qGreen(c)), lift(qBlue(c)), qAlpha(c));
}

} // namespace

void writeIcons(ArtSink &sink)
{
    sink.add(QStringLiteral("icons/normal.png"), strip(unchanged));
    sink.add(QStringLiteral("icons/disabled.png"), strip(greyed));
    sink.add(QStringLiteral("icons/hot.png"), strip(brightened));
}

} // namespace art
