#include "CourtFigures.h"

#include "Paint.h"

namespace art {

namespace {

const QColor kGold(0xe8, 0xb4, 0x20);
const QColor kGoldDark(0x9a, 0x6c, 0x10);
const QColor kSkin(0xf8, 0xd4, 0xb0);
const QColor kInk(0x22, 0x1c, 0x20);
const QColor kCream(0xfc, 0xf4, 0xda);
const QColor kBlue(0x24, 0x44, 0xa8);
const QColor kRed(0xc8, 0x1c, 0x24);

struct Colours {
    QColor robe;
    QColor trim;
};

// Red suits dress mostly in red, black suits in blue; the other colour trims.
Colours coloursFor(Suit suit)
{
    return isRed(suit) ? Colours{kRed, kBlue} : Colours{kBlue, kRed};
}

void drawRobe(QPainter &p, qreal w, qreal h, const Colours &c)
{
    QPainterPath robe;
    robe.moveTo(4, h);
    robe.lineTo(4.5, 33);
    robe.quadTo(5, 28.5, 12, 27.5);
    robe.lineTo(w - 12, 27.5);
    robe.quadTo(w - 5, 28.5, w - 4.5, 33);
    robe.lineTo(w - 4, h);
    robe.closeSubpath();
    p.setPen(outlinePen(kInk, 0.7));
    p.setBrush(c.robe);
    p.drawPath(robe);
    // The gold front band with buttons.
    p.setBrush(kGold);
    p.drawRect(QRectF(w / 2 - 3, 29, 6, h - 29));
    for (qreal y = 32; y < h; y += 3.5)
        blob(p, QPointF(w / 2, y), 1, 1, c.trim);
    // Sleeves folded across the chest, trimmed in the second colour.
    for (int side : {-1, 1}) {
        const qreal x = w / 2 + side * (w / 2 - 9);
        p.setPen(outlinePen(kInk, 0.6));
        p.setBrush(c.trim);
        p.drawPath(polygon({{x - side * 4, 29}, {x + side * 4, 30}, {x + side * 3, h - 1}, {x - side * 2, h - 1}}));
    }
}

void drawCollar(QPainter &p, qreal cx)
{
    p.setPen(outlinePen(QColor(0x80, 0x80, 0x88), 0.6));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx, 28), 9, 2.8);
}

void drawHead(QPainter &p, qreal cx, Court court)
{
    // Hair behind the face: long and golden for the queen, short for the men.
    if (court == Court::Queen)
        blob(p, QPointF(cx, 20), 9, 9, QColor(0xf0, 0xc8, 0x40), outlinePen(kGoldDark, 0.6));
    else
        blob(p, QPointF(cx, 17.5), 7.6, 7, QColor(0x6a, 0x40, 0x20));
    p.setBrush(kSkin);
    p.setPen(outlinePen(QColor(0xa0, 0x70, 0x50), 0.6));
    p.drawRect(QRectF(cx - 2, 22, 4, 5)); // neck
    p.drawEllipse(QPointF(cx, 18.2), 6.4, 7.2);
    // Eyes, nose and mouth stay tiny: at this size a few dots read as a face.
    blob(p, QPointF(cx - 2.3, 17.2), 0.8, 0.8, kInk);
    blob(p, QPointF(cx + 2.3, 17.2), 0.8, 0.8, kInk);
    p.setPen(outlinePen(QColor(0xb0, 0x60, 0x40), 0.6));
    p.drawLine(QPointF(cx, 18), QPointF(cx - 0.6, 20));
    p.setPen(outlinePen(QColor(0xc0, 0x30, 0x30), 0.9));
    p.drawLine(QPointF(cx - 1.5, 22.2), QPointF(cx + 1.5, 22.2));
    if (court == Court::Queen) {
        blob(p, QPointF(cx - 3.5, 20), 1.1, 0.8, QColor(0xf0, 0x90, 0x90));
        blob(p, QPointF(cx + 3.5, 20), 1.1, 0.8, QColor(0xf0, 0x90, 0x90));
    }
}

void drawBeard(QPainter &p, qreal cx)
{
    QPainterPath beard;
    beard.moveTo(cx - 5.6, 19);
    beard.quadTo(cx - 5, 27, cx, 29.5);
    beard.quadTo(cx + 5, 27, cx + 5.6, 19);
    beard.quadTo(cx + 3, 23.5, cx + 1.8, 21.2);
    beard.lineTo(cx - 1.8, 21.2);
    beard.quadTo(cx - 3, 23.5, cx - 5.6, 19);
    p.setPen(outlinePen(QColor(0x90, 0x90, 0x98), 0.5));
    p.setBrush(QColor(0xec, 0xec, 0xf0));
    p.drawPath(beard);
}

void drawKingCrown(QPainter &p, qreal cx)
{
    const QPainterPath crown = polygon({{cx - 7, 12}, {cx - 7.5, 4}, {cx - 3.8, 8}, {cx, 2.5},
                                        {cx + 3.8, 8}, {cx + 7.5, 4}, {cx + 7, 12}});
    p.setPen(outlinePen(kGoldDark, 0.7));
    p.setBrush(kGold);
    p.drawPath(crown);
    for (qreal x : {-7.5, 0.0, 7.5})
        blob(p, QPointF(cx + x, x == 0 ? 2.5 : 4), 1.2, 1.2, kRed);
    blob(p, QPointF(cx, 9.8), 1.3, 1.3, kBlue);
}

void drawQueenCrown(QPainter &p, qreal cx)
{
    QPainterPath crown;
    crown.moveTo(cx - 6, 11);
    crown.lineTo(cx - 6, 7);
    crown.quadTo(cx - 3, 3.5, cx, 6.5);
    crown.quadTo(cx + 3, 3.5, cx + 6, 7);
    crown.lineTo(cx + 6, 11);
    crown.closeSubpath();
    p.setPen(outlinePen(kGoldDark, 0.7));
    p.setBrush(kGold);
    p.drawPath(crown);
    blob(p, QPointF(cx, 4.5), 1.4, 1.4, kRed, outlinePen(kGoldDark, 0.4));
    blob(p, QPointF(cx - 3.5, 9), 0.9, 0.9, kBlue);
    blob(p, QPointF(cx + 3.5, 9), 0.9, 0.9, kBlue);
}

void drawJackCap(QPainter &p, qreal cx, const Colours &c)
{
    QPainterPath feather;
    feather.moveTo(cx + 4, 9);
    feather.cubicTo(cx + 9, 2, cx + 14, 1, cx + 17, 3);
    feather.cubicTo(cx + 13, 4, cx + 9, 6, cx + 6, 10);
    p.setPen(outlinePen(kGoldDark, 0.5));
    p.setBrush(kGold);
    p.drawPath(feather);
    p.setPen(outlinePen(kInk, 0.7));
    p.setBrush(c.trim);
    p.drawChord(QRectF(cx - 8.5, 4.5, 17, 12), 0, 180 * 16);
    p.setBrush(kGold);
    p.drawRect(QRectF(cx - 8, 10, 16, 2));
}

// What each figure holds beside the shoulder: sword, flower or halberd.
void drawAttribute(QPainter &p, Court court, qreal w, qreal h)
{
    const QPointF hand = court == Court::Jack ? QPointF(5, 33) : QPointF(w - 6, 33);
    switch (court) {
    case Court::King:
        p.setPen(outlinePen(QColor(0x70, 0x70, 0x80), 1.4));
        p.drawLine(QPointF(w - 6, h), QPointF(w - 6, 13));
        p.setPen(outlinePen(kGoldDark, 1.6));
        p.drawLine(QPointF(w - 9.5, 27), QPointF(w - 2.5, 27));
        break;
    case Court::Queen:
        p.setPen(outlinePen(QColor(0x30, 0x80, 0x30), 0.9));
        p.drawLine(QPointF(w - 7, h - 4), QPointF(w - 6, 27));
        for (int i = 0; i < 5; ++i) {
            const qreal a = i * 72 * M_PI / 180;
            blob(p, QPointF(w - 6 + 2 * std::cos(a), 25 + 2 * std::sin(a)), 1.5, 1.5, kRed);
        }
        blob(p, QPointF(w - 6, 25), 1.1, 1.1, kGold);
        break;
    case Court::Jack:
        p.setPen(outlinePen(QColor(0x7a, 0x50, 0x28), 1.3));
        p.drawLine(QPointF(5, h), QPointF(5, 10));
        p.setPen(outlinePen(QColor(0x60, 0x60, 0x70), 0.6));
        p.setBrush(QColor(0xc8, 0xcc, 0xd8));
        p.drawPath(polygon({{5, 6}, {9, 12}, {5, 14}}));
        break;
    }
    blob(p, hand, 2.2, 2, kSkin, outlinePen(QColor(0xa0, 0x70, 0x50), 0.5));
}

void drawBust(QPainter &p, Suit suit, Court court, qreal w, qreal h)
{
    const Colours c = coloursFor(suit);
    const qreal cx = w / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(kCream);
    p.drawRect(QRectF(0, 0, w, h));
    drawRobe(p, w, h, c);
    drawHead(p, cx, court);
    if (court == Court::King)
        drawBeard(p, cx);
    drawCollar(p, cx);
    if (court == Court::King)
        drawKingCrown(p, cx);
    else if (court == Court::Queen)
        drawQueenCrown(p, cx);
    else
        drawJackCap(p, cx, c);
    drawAttribute(p, court, w, h);
    drawSuit(p, suit, court == Court::Jack ? QPointF(w - 5, 14) : QPointF(5, 5.5), 6.5);
}

} // namespace

void drawCourt(QPainter &p, Suit suit, Court court, const QRectF &frame)
{
    const qreal half = frame.height() / 2;
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn) {
            p.translate(frame.center());
            p.rotate(180);
            p.translate(-frame.center());
        }
        p.translate(frame.topLeft());
        p.setClipRect(QRectF(0, 0, frame.width(), half), Qt::IntersectClip);
        drawBust(p, suit, court, frame.width(), half);
        p.restore();
    }
    p.setPen(QPen(suitColour(suit), 0.8));
    p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
    p.setPen(QPen(QColor(0x40, 0x40, 0x48), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
}

} // namespace art
