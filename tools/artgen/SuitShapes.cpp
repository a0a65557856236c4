#include "SuitShapes.h"

namespace art {

namespace {

QPainterPath heart()
{
    QPainterPath p;
    p.moveTo(0, -0.28);
    p.cubicTo(-0.06, -0.5, -0.5, -0.56, -0.5, -0.16);
    p.cubicTo(-0.5, 0.1, -0.16, 0.24, 0, 0.5);
    p.cubicTo(0.16, 0.24, 0.5, 0.1, 0.5, -0.16);
    p.cubicTo(0.5, -0.56, 0.06, -0.5, 0, -0.28);
    p.closeSubpath();
    return p;
}

QPainterPath diamond()
{
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.16, -0.2, 0.38, 0);
    p.quadTo(0.16, 0.2, 0, 0.5);
    p.quadTo(-0.16, 0.2, -0.38, 0);
    p.quadTo(-0.16, -0.2, 0, -0.5);
    p.closeSubpath();
    return p;
}

// Spades and clubs share the flared stem.
void addStem(QPainterPath &p)
{
    p.moveTo(-0.05, 0.1);
    p.quadTo(-0.04, 0.38, -0.2, 0.5);
    p.lineTo(0.2, 0.5);
    p.quadTo(0.04, 0.38, 0.05, 0.1);
    p.closeSubpath();
}

QPainterPath spade()
{
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.moveTo(0, -0.5);
    p.cubicTo(-0.14, -0.26, -0.5, -0.12, -0.5, 0.1);
    p.cubicTo(-0.5, 0.36, -0.14, 0.38, -0.02, 0.2);
    p.lineTo(0.02, 0.2);
    p.cubicTo(0.14, 0.38, 0.5, 0.36, 0.5, 0.1);
    p.cubicTo(0.5, -0.12, 0.14, -0.26, 0, -0.5);
    p.closeSubpath();
    addStem(p);
    return p;
}

QPainterPath club()
{
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    const qreal r = 0.22;
    p.addEllipse(QPointF(0, -0.27), r, r);
    p.addEllipse(QPointF(-0.26, 0.07), r, r);
    p.addEllipse(QPointF(0.26, 0.07), r, r);
    p.addEllipse(QPointF(0, -0.02), 0.13, 0.13);
    addStem(p);
    return p.simplified();
}

} // namespace

QPainterPath suitPath(Suit suit)
{
    switch (suit) {
    case Suit::Clubs: return club();
    case Suit::Diamonds: return diamond();
    case Suit::Hearts: return heart();
    case Suit::Spades: return spade();
    }
    return {};
}

bool isRed(Suit suit)
{
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}

QColor suitColour(Suit suit)
{
    return isRed(suit) ? QColor(0xd0, 0x14, 0x1e) : QColor(0x14, 0x14, 0x18);
}

void drawSuit(QPainter &p, Suit suit, QPointF centre, qreal height, bool upsideDown, QColor colour)
{
    p.save();
    p.translate(centre);
    p.scale(height, height);
    if (upsideDown)
        p.rotate(180);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.isValid() ? colour : suitColour(suit));
    p.drawPath(suitPath(suit));
    p.restore();
}

} // namespace art
