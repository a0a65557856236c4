#include "Chooser.h"

#include "ArtSink.h"
#include "Motifs.h"
#include "Paint.h"
#include "Palette.h"

namespace art {

namespace {

constexpr int kWidth = 605, kHeight = 373;
constexpr int kFloor = 236;
// The picture sits one pixel in from the panel's corner; figures are placed in
// the panel's hot areas, hence the shift.
const QPointF kPanelOffset(-1, -1);

const QColor kWall(0xf6, 0xe4, 0xc4);
const QColor kWood(0xb0, 0x74, 0x40);

void wallAndFloor(QPainter &p)
{
    p.fillRect(QRectF(0, 0, kWidth, kFloor), vertical(QRectF(0, 0, kWidth, kFloor), kWall.lighter(104), kWall.darker(108)));
    // Faint wallpaper stripes, kept off the caption's corner.
    p.setPen(QPen(QColor(0xee, 0xd4, 0xac), 6));
    for (int x = 360; x < kWidth; x += 28)
        p.drawLine(QPointF(x, 30), QPointF(x, kFloor));
    const QRectF floor(0, kFloor, kWidth, kHeight - kFloor);
    p.fillRect(floor, vertical(floor, kWood.lighter(115), kWood.darker(120)));
    p.setPen(QPen(kWood.darker(135), 1.2));
    for (int y = kFloor + 14; y < kHeight; y += 16 + (y - kFloor) / 8)
        p.drawLine(QPointF(0, y), QPointF(kWidth, y));
    p.fillRect(QRectF(0, kFloor - 6, kWidth, 8), QColor(0x8a, 0x54, 0x2a)); // skirting board
}

void window(QPainter &p)
{
    const QRectF frame(26, 56, 104, 130);
    p.setPen(outlinePen(QColor(0x7a, 0x4c, 0x24), 6));
    p.setBrush(vertical(frame, QColor(0x12, 0x1c, 0x48), QColor(0x38, 0x58, 0x9c)));
    p.drawRect(frame);
    p.save();
    p.setClipRect(frame.adjusted(3, 3, -3, -3));
    const QPointF flakes[] = {{42, 72}, {70, 90}, {104, 70}, {52, 120}, {96, 126}, {78, 150}, {40, 166}, {114, 160}};
    for (QPointF f : flakes)
        motif::snowflake(p, f, 6, QColor(0xe8, 0xf2, 0xff), 1.2);
    blob(p, QPointF(116, 78), 8, 8, QColor(0xff, 0xf6, 0xd0)); // moon
    for (int i = 0; i < 6; ++i)
        blob(p, QPointF(26 + i * 22, 186), 18, 10, Qt::white);
    p.restore();
    p.setPen(outlinePen(QColor(0x7a, 0x4c, 0x24), 4));
    p.drawLine(QPointF(78, 56), QPointF(78, 186));
    p.drawLine(QPointF(26, 121), QPointF(130, 121));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0x64, 0x34));
    p.drawRect(QRectF(18, 186, 120, 8)); // sill
}

// A garland swinging across the top right, away from the caption.
void garland(QPainter &p)
{
    QPainterPath rope;
    rope.moveTo(360, 20);
    rope.quadTo(420, 60, 480, 22);
    rope.quadTo(540, 60, 605, 22);
    p.setPen(outlinePen(QColor(0x1e, 0x7a, 0x2e), 7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rope);
    const QColor lights[] = {QColor(0xff, 0x40, 0x40), QColor(0xff, 0xd0, 0x30), QColor(0x40, 0xa0, 0xff)};
    for (int i = 0; i <= 16; ++i) {
        const QPointF pt = rope.pointAtPercent(i / 16.0);
        blob(p, pt + QPointF(0, 4), 3.5, 4.5, lights[i % 3], outlinePen(lights[i % 3].darker(160), 1));
    }
    motif::bow(p, QPointF(480, 24), 14, QColor(0xd0, 0x20, 0x28));
}

void rug(QPainter &p)
{
    QRadialGradient g(QPointF(320, 300), 260);
    g.setColorAt(0, QColor(0xc8, 0x3a, 0x34));
    g.setColorAt(1, QColor(0x9a, 0x22, 0x24));
    p.setPen(outlinePen(QColor(0xf0, 0xc8, 0x60), 3));
    p.setBrush(g);
    p.drawEllipse(QPointF(320, 300), 250, 52);
}

void heapOfGifts(QPainter &p, const QRectF &r)
{
    // Back row first, so nearer presents overlap it.
    motif::gift(p, QRectF(r.left() + 10, r.top() + 6, 40, 34), QColor(0x2a, 0x70, 0xd0), QColor(0xf2, 0xd0, 0x40));
    motif::gift(p, QRectF(r.left() + 56, r.top() + 2, 46, 40), QColor(0x2a, 0x9a, 0x48), Qt::white);
    motif::gift(p, QRectF(r.left() + 2, r.top() + 40, 52, 44), QColor(0xd0, 0x20, 0x28), QColor(0xf2, 0xd0, 0x40));
    motif::gift(p, QRectF(r.left() + 50, r.top() + 44, 40, 40), QColor(0xe8, 0xb0, 0x20), QColor(0xd0, 0x20, 0x28));
    motif::gift(p, QRectF(r.left() + 86, r.top() + 56, 26, 28), QColor(0xa0, 0x40, 0xc0), Qt::white);
}

QImage scene()
{
    QImage img = canvas({kWidth, kHeight}, Qt::white);
    QPainter p(&img);
    prepare(p);
    wallAndFloor(p);
    window(p);
    garland(p);
    rug(p);
    motif::firTree(p, QRectF(170, 22, 290, 276), true);
    p.translate(kPanelOffset);
    motif::elf(p, QRectF(152, 168, 89, 114), true);
    heapOfGifts(p, QRectF(272, 248, 113, 89));
    motif::sack(p, QRectF(400, 184, 65, 76));
    return img;
}

QFont labelFont()
{
    return font(15, true);
}

QImage label(const QString &word)
{
    QImage img = canvas({71, 29}, Qt::white);
    QPainter p(&img);
    prepare(p);
    drawTextIn(p, QRectF(3, 6, 65, 17), word, labelFont(), Qt::black);
    p.end();
    return quantise(img, 16);
}

// A raised green button with a gold rim; the word in white.
QImage hover(const QString &word)
{
    QImage img = canvas({72, 31}, Qt::white);
    QPainter p(&img);
    prepare(p);
    const QRectF face(1, 1, 70, 29);
    p.setPen(outlinePen(QColor(0xc8, 0x98, 0x20), 1.6));
    p.setBrush(vertical(face, QColor(0x4c, 0xb8, 0x5c), QColor(0x1a, 0x6a, 0x2c)));
    p.drawRoundedRect(face, 8, 8);
    p.setPen(outlinePen(QColor(255, 255, 255, 110), 1));
    p.drawLine(QPointF(9, 4), QPointF(63, 4));
    drawTextIn(p, QRectF(5, 7, 62, 17), word, labelFont(), Qt::white, outlinePen(QColor(0x10, 0x40, 0x18), 1.4));
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

} // namespace

QImage nameLabel(const QString &word, bool hovered)
{
    return hovered ? hover(word) : label(word);
}

void writeChooser(ArtSink &sink)
{
    sink.add(QStringLiteral("chooser/CHOOSER.jpg"), scene().convertToFormat(QImage::Format_RGB888));
    for (const char *word : {"MOVER", "HEAP", "ROUND"}) {
        const QString w = QLatin1String(word);
        sink.add(QStringLiteral("chooser/LABEL_%1.png").arg(w), nameLabel(w, false));
        sink.add(QStringLiteral("chooser/HOVER_%1.png").arg(w), nameLabel(w, true));
    }
}

} // namespace art
