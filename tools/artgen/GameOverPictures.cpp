#include "GameOverPictures.h"

#include "ArtSink.h"
#include "Characters.h"
#include "Motifs.h"
#include "Paint.h"

#include <functional>

namespace art {

namespace {

using namespace character;

constexpr int kSize = 128;
const QPointF kFace(58, 70);
constexpr qreal kFaceR = 30;

const QColor kInk(0x2a, 0x1c, 0x1c);

// Backdrop colours by outcome: cool when the computer lost, warm when it won.
const QColor kLostSky(0xc4, 0xdc, 0xf4);
const QColor kWonSky(0xff, 0xe4, 0x9a);
const QColor kDrawSky(0xd4, 0xec, 0xd0);

QImage picture(QColor sky, const std::function<void(QPainter &)> &draw)
{
    QImage img = canvas({kSize, kSize}, Qt::white);
    QPainter p(&img);
    prepare(p);
    QRadialGradient g(QPointF(64, 50), 110);
    g.setColorAt(0, sky.lighter(112));
    g.setColorAt(1, sky.darker(112));
    p.fillRect(img.rect(), g);
    for (QPointF f : {QPointF(14, 16), QPointF(112, 22), QPointF(20, 110), QPointF(110, 112)})
        motif::snowflake(p, f, 6, QColor(255, 255, 255, 200), 1.2);
    draw(p);
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

void face(QPainter &p, Eyes eyes, Mouth mouth, Brows brows, bool sweat = false,
          QColor skin = QColor(0xfb, 0xd5, 0xb5))
{
    drawFace(p, kFace, kFaceR, Expression{eyes, mouth, brows, skin, sweat});
}

void hand(QPainter &p, QPointF at)
{
    blob(p, at, 7, 6.5, QColor(0xfb, 0xd5, 0xb5), outlinePen(QColor(0xa0, 0x70, 0x50), 1.2));
}

void bigText(QPainter &p, const QRectF &box, const QString &text, QColor colour)
{
    drawTextIn(p, box, text, font(60, true, true), colour, outlinePen(colour.darker(170), 1.5));
}

// --- the computer lost ---

void nextGame(QPainter &p)
{
    face(p, Eyes::Narrow, Mouth::Flat, Brows::Angry);
    motif::playingCard(p, QRectF(92, 60, 24, 34), 12, QStringLiteral("A"), true);
    hand(p, QPointF(96, 86));
    bigText(p, QRectF(92, 28, 30, 22), QStringLiteral("..."), QColor(0x40, 0x40, 0x60));
}

void trophy(QPainter &p, const QRectF &r)
{
    const QColor gold(0xf2, 0xc0, 0x30);
    const QPen line = outlinePen(QColor(0x8a, 0x60, 0x08), 1.4);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(r.left(), r.top() + 4, 10, 12));
    p.drawEllipse(QRectF(r.right() - 10, r.top() + 4, 10, 12));
    QPainterPath cup;
    cup.moveTo(r.left() + 5, r.top());
    cup.lineTo(r.right() - 5, r.top());
    cup.quadTo(r.right() - 5, r.top() + 24, r.center().x(), r.top() + 26);
    cup.quadTo(r.left() + 5, r.top() + 24, r.left() + 5, r.top());
    p.setBrush(gold);
    p.drawPath(cup);
    p.drawRect(QRectF(r.center().x() - 2.5, r.top() + 26, 5, 6));
    p.drawRect(QRectF(r.center().x() - 9, r.top() + 32, 18, 6));
    motif::star(p, QPointF(r.center().x(), r.top() + 10), 5, QColor(0xff, 0xf4, 0xb0));
}

void allGames(QPainter &p)
{
    face(p, Eyes::Open, Mouth::Grin, Brows::Raised);
    trophy(p, QRectF(88, 54, 34, 40));
    hand(p, QPointF(94, 96));
}

void cake(QPainter &p)
{
    // A fat wedge of layered cake with a candle and a cherry.
    const QPen line = outlinePen(QColor(0x5a, 0x2c, 0x14), 1.6);
    const QPainterPath top = polygon({{18, 62}, {104, 50}, {112, 62}, {30, 76}});
    QPainterPath side = polygon({{30, 76}, {112, 62}, {112, 100}, {30, 114}});
    QPainterPath front = polygon({{18, 62}, {30, 76}, {30, 114}, {18, 100}});
    p.setPen(line);
    p.setBrush(QColor(0xe8, 0xb0, 0x70));
    p.drawPath(side);
    p.setBrush(QColor(0xd8, 0x9a, 0x58));
    p.drawPath(front);
    p.save();
    p.setClipPath(side);
    for (qreal y : {82.0, 98.0}) {
        p.setPen(QPen(QColor(0xc0, 0x30, 0x50), 5));
        p.drawLine(QPointF(30, y + 14), QPointF(112, y));
        p.setPen(QPen(Qt::white, 2.5));
        p.drawLine(QPointF(30, y + 8), QPointF(112, y - 6));
    }
    p.restore();
    p.setPen(line);
    p.setBrush(QColor(0xfc, 0xf4, 0xf4));
    p.drawPath(top);
    for (int i = 0; i < 5; ++i)
        blob(p, QPointF(36 + i * 16, 70 - i * 2.4), 3, 4.5, QColor(0xfc, 0xf4, 0xf4), Qt::NoPen);
    motif::candle(p, QRectF(58, 14, 14, 46), QColor(0x60, 0xa0, 0xf0));
    blob(p, QPointF(86, 56), 6, 6, QColor(0xd0, 0x10, 0x20), outlinePen(QColor(0x70, 0x0, 0x0), 1));
    p.setPen(outlinePen(QColor(0x30, 0x80, 0x30), 1.4));
    p.drawLine(QPointF(86, 50), QPointF(90, 42));
}

void monitor(QPainter &p)
{
    const QPen line = outlinePen(QColor(0x40, 0x40, 0x48), 2);
    p.setPen(line);
    p.setBrush(QColor(0xe0, 0xdc, 0xd0));
    p.drawRoundedRect(QRectF(20, 26, 88, 68), 6, 6);
    p.drawRect(QRectF(54, 94, 20, 8));
    p.drawRoundedRect(QRectF(34, 102, 60, 8), 3, 3);
    p.setBrush(QColor(0x20, 0x40, 0x50));
    p.drawRoundedRect(QRectF(28, 33, 72, 52), 3, 3);
    // A sad little face on the screen: the computer admits it.
    const QColor glow(0x70, 0xf0, 0x90);
    blob(p, QPointF(52, 52), 3.5, 4.5, glow);
    blob(p, QPointF(76, 52), 3.5, 4.5, glow);
    p.setPen(outlinePen(glow, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(50, 64, 28, 16), 30 * 16, 120 * 16);
    QPainterPath tear;
    tear.moveTo(78, 58);
    tear.quadTo(82, 65, 78, 67);
    tear.quadTo(74, 65, 78, 58);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa0, 0xe0, 0xff));
    p.drawPath(tear);
    p.setPen(outlinePen(QColor(0x40, 0x40, 0x48), 1.6));
    p.setBrush(QColor(0xf0, 0xee, 0xe4));
    p.drawEllipse(QRectF(100, 104, 12, 16)); // mouse
    p.drawLine(QPointF(106, 104), QPointF(102, 96));
}

// --- the computer won ---

void horseshoe(QPainter &p, QPointF c)
{
    // Upside down: the luck runs out, the classic sign of bad luck.
    QPainterPath arc;
    arc.moveTo(c + QPointF(-12, -10));
    arc.cubicTo(c + QPointF(-14, 18), c + QPointF(14, 18), c + QPointF(12, -10));
    QPainterPathStroker st;
    st.setWidth(7);
    st.setCapStyle(Qt::FlatCap);
    p.setPen(outlinePen(QColor(0x50, 0x50, 0x58), 1.2));
    p.setBrush(QColor(0xa8, 0xac, 0xb8));
    p.drawPath(st.createStroke(arc));
    for (qreal t : {0.15, 0.5, 0.85})
        blob(p, arc.pointAtPercent(t), 1.2, 1.2, kInk);
}

void badLuck(QPainter &p)
{
    face(p, Eyes::Open, Mouth::Oops, Brows::Raised, true);
    horseshoe(p, QPointF(104, 98));
    hand(p, QPointF(38, 92));
}

void entangled(QPainter &p)
{
    face(p, Eyes::Wink, Mouth::Wavy, Brows::Worried);
    // A string of fairy lights wound round and round the head.
    QPainterPath wire;
    wire.moveTo(10, 104);
    wire.cubicTo(30, 40, 100, 110, 96, 70);
    wire.cubicTo(92, 30, 20, 96, 24, 56);
    wire.cubicTo(28, 20, 110, 80, 118, 40);
    p.setPen(outlinePen(QColor(0x1e, 0x6a, 0x2a), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wire);
    const QColor bulbs[] = {QColor(0xff, 0x40, 0x40), QColor(0xff, 0xd0, 0x30), QColor(0x40, 0xa0, 0xff), QColor(0x50, 0xd0, 0x60)};
    for (int i = 1; i < 16; ++i)
        blob(p, wire.pointAtPercent(i / 16.0), 3.2, 4.2, bulbs[i % 4], outlinePen(bulbs[i % 4].darker(170), 0.8));
}

void steam(QPainter &p, QPointF at, bool mirrored)
{
    const qreal s = mirrored ? -1 : 1;
    for (int i = 0; i < 3; ++i)
        blob(p, at + QPointF(s * i * 7, -i * 8), 6 - i, 5 - i, QColor(0xf4, 0xf4, 0xf8), outlinePen(QColor(0xa0, 0xa0, 0xb0), 1));
}

void crazy(QPainter &p)
{
    face(p, Eyes::Spiral, Mouth::Grin, Brows::Angry, false, QColor(0xf4, 0x8a, 0x70));
    steam(p, QPointF(24, 44), true);
    steam(p, QPointF(96, 48), false);
    bigText(p, QRectF(98, 58, 22, 40), QStringLiteral("!!"), QColor(0xd0, 0x20, 0x20));
}

void boxingGlove(QPainter &p, QPointF c)
{
    const QPen line = outlinePen(QColor(0x60, 0x08, 0x10), 1.6);
    p.setPen(line);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(c.x() - 8, c.y() + 10, 16, 10), 3, 3);
    QPainterPath glove;
    glove.addRoundedRect(QRectF(c.x() - 14, c.y() - 14, 28, 26), 12, 12);
    p.setBrush(vertical(glove.boundingRect(), QColor(0xf0, 0x40, 0x40), QColor(0xa0, 0x10, 0x18)));
    p.drawPath(glove);
    blob(p, c + QPointF(-10, 0), 7, 9, QColor(0xd8, 0x28, 0x30), line); // thumb
    p.setPen(outlinePen(QColor(0xff, 0xa0, 0xa0), 2));
    p.drawArc(QRectF(c.x() - 6, c.y() - 10, 14, 10), 30 * 16, 120 * 16);
}

void beatHim(QPainter &p)
{
    face(p, Eyes::Narrow, Mouth::Smirk, Brows::Angry);
    boxingGlove(p, QPointF(102, 88));
    boxingGlove(p, QPointF(20, 96));
}

// --- a draw ---

void questionMark(QPainter &p)
{
    face(p, Eyes::LookUp, Mouth::Smirk, Brows::Raised);
    bigText(p, QRectF(94, 22, 26, 46), QStringLiteral("?"), QColor(0x2a, 0x60, 0xc0));
}

void scales(QPainter &p)
{
    const QPen line = outlinePen(QColor(0x7a, 0x58, 0x10), 2);
    p.setPen(line);
    p.setBrush(QColor(0xe8, 0xb8, 0x40));
    p.drawRect(QRectF(61, 30, 6, 76));
    p.drawRoundedRect(QRectF(40, 104, 48, 8), 3, 3);
    p.drawLine(QPointF(20, 36), QPointF(108, 36));
    blob(p, QPointF(64, 28), 5, 5, QColor(0xf2, 0xc0, 0x30), line);
    for (qreal x : {28.0, 100.0}) {
        p.setPen(outlinePen(QColor(0x7a, 0x58, 0x10), 1.2));
        p.drawLine(QPointF(x - 8, 36), QPointF(x - 16, 70));
        p.drawLine(QPointF(x + 8, 36), QPointF(x + 16, 70));
        motif::playingCard(p, QRectF(x - 9, 44, 18, 26), 0, QStringLiteral("K"), x > 64);
        p.setPen(line);
        p.setBrush(QColor(0xf2, 0xc0, 0x30));
        p.drawChord(QRectF(x - 20, 60, 40, 20), 180 * 16, 180 * 16);
    }
}

void givenOdds(QPainter &p)
{
    face(p, Eyes::Wink, Mouth::Smile, Brows::Raised);
    motif::playingCard(p, QRectF(88, 64, 24, 34), -18, QStringLiteral("A"), false);
    motif::playingCard(p, QRectF(98, 68, 24, 34), 8, QStringLiteral("A"), true);
    hand(p, QPointF(100, 96));
}

void nothing(QPainter &p)
{
    face(p, Eyes::LookUp, Mouth::Flat, Brows::None);
    bigText(p, QRectF(92, 30, 28, 40), QStringLiteral("0"), QColor(0x60, 0x60, 0x70));
    p.setPen(outlinePen(QColor(0x50, 0x50, 0x60), 2));
    for (int i = 0; i < 3; ++i)
        blob(p, QPointF(92 + i * 7, 84), 1.6, 1.6, QColor(0x50, 0x50, 0x60));
}

} // namespace

void writeGameOverPictures(ArtSink &sink)
{
    struct Entry {
        const char *name;
        QColor sky;
        void (*draw)(QPainter &);
    };
    const Entry entries[] = {
        {"WIN1", kLostSky, nextGame},     {"WIN2", kLostSky, allGames},
        {"WIN3", kLostSky, cake},         {"WIN4", kLostSky, monitor},
        {"LOOSE1", kWonSky, badLuck},     {"LOOSE2", kWonSky, entangled},
        {"LOOSE3", kWonSky, crazy},       {"LOOSE4", kWonSky, beatHim},
        {"DRAW1", kDrawSky, questionMark}, {"DRAW2", kDrawSky, scales},
        {"DRAW3", kDrawSky, givenOdds},   {"DRAW4", kDrawSky, nothing},
    };
    for (const Entry &e : entries)
        sink.add(QStringLiteral("gameover/%1.png").arg(QLatin1String(e.name)), picture(e.sky, e.draw));
}

} // namespace art
