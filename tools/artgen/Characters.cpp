#include "Characters.h"

#include "Paint.h"

namespace art::character {

namespace {

const QColor kInk(0x2a, 0x1c, 0x1c);
const QColor kLips(0x9a, 0x28, 0x28);

void eye(QPainter &p, QPointF c, qreal r, Eyes eyes, bool left)
{
    const QPen pen = outlinePen(kInk, r * 0.07);
    p.setBrush(Qt::NoBrush);
    switch (eyes) {
    case Eyes::Open:
    case Eyes::LookUp: {
        blob(p, c, r * 0.16, r * 0.2, Qt::white, outlinePen(kInk, r * 0.04));
        const QPointF pupil = c + QPointF(0, eyes == Eyes::LookUp ? -r * 0.09 : r * 0.03);
        blob(p, pupil, r * 0.09, r * 0.1, kInk);
        blob(p, pupil + QPointF(-r * 0.03, -r * 0.04), r * 0.03, r * 0.03, Qt::white);
        break;
    }
    case Eyes::Happy:
        p.setPen(pen);
        p.drawArc(QRectF(c.x() - r * 0.15, c.y() - r * 0.08, r * 0.3, r * 0.26), 20 * 16, 140 * 16);
        break;
    case Eyes::Wink:
        if (left) {
            p.setPen(pen);
            p.drawLine(c + QPointF(-r * 0.14, 0), c + QPointF(r * 0.14, r * 0.02));
        } else {
            eye(p, c, r, Eyes::Open, left);
        }
        break;
    case Eyes::Spiral: {
        QPainterPath s;
        for (int i = 0; i <= 40; ++i) {
            const qreal a = i * 0.45, rr = r * 0.19 * i / 40;
            const QPointF pt = c + QPointF(rr * std::cos(a), rr * std::sin(a));
            i ? s.lineTo(pt) : s.moveTo(pt);
        }
        p.setPen(outlinePen(kInk, r * 0.045));
        p.drawPath(s);
        break;
    }
    case Eyes::Narrow:
        blob(p, c, r * 0.15, r * 0.07, kInk);
        break;
    }
}

void brow(QPainter &p, QPointF c, qreal r, Brows brows, bool left)
{
    const QPointF base = c + QPointF(0, -r * 0.3);
    QPointF a = base + QPointF(-r * 0.16, 0), b = base + QPointF(r * 0.16, 0);
    switch (brows) {
    case Brows::None: return;
    case Brows::Raised: a += QPointF(0, -r * 0.08); b += QPointF(0, -r * 0.12); break;
    // Angry brows dip towards the nose, worried ones rise towards it.
    case Brows::Angry: (left ? b : a) += QPointF(0, r * 0.12); break;
    case Brows::Worried: (left ? b : a) += QPointF(0, -r * 0.1); break;
    }
    p.setPen(outlinePen(QColor(0x6a, 0x3a, 0x1a), r * 0.08));
    p.drawLine(a, b);
}

void mouth(QPainter &p, QPointF c, qreal r, Mouth m)
{
    const QPen pen = outlinePen(kLips, r * 0.07);
    p.setBrush(Qt::NoBrush);
    switch (m) {
    case Mouth::Grin: {
        QPainterPath g;
        g.moveTo(c + QPointF(-r * 0.45, -r * 0.05));
        g.quadTo(c + QPointF(0, r * 0.1), c + QPointF(r * 0.45, -r * 0.05));
        g.quadTo(c + QPointF(0, r * 0.62), c + QPointF(-r * 0.45, -r * 0.05));
        p.setPen(outlinePen(kLips, r * 0.05));
        p.setBrush(Qt::white);
        p.drawPath(g);
        p.setPen(outlinePen(QColor(0xc0, 0xb0, 0xa8), r * 0.025));
        for (qreal x : {-0.22, 0.0, 0.22})
            p.drawLine(c + QPointF(r * x, r * 0.04), c + QPointF(r * x, r * 0.3 - std::abs(x) * r * 0.4));
        break;
    }
    case Mouth::Smile:
        p.setPen(pen);
        p.drawArc(QRectF(c.x() - r * 0.3, c.y() - r * 0.25, r * 0.6, r * 0.45), 200 * 16, 140 * 16);
        break;
    case Mouth::Frown:
        p.setPen(pen);
        p.drawArc(QRectF(c.x() - r * 0.28, c.y() + r * 0.05, r * 0.56, r * 0.4), 30 * 16, 120 * 16);
        break;
    case Mouth::Flat:
        p.setPen(pen);
        p.drawLine(c + QPointF(-r * 0.22, r * 0.08), c + QPointF(r * 0.22, r * 0.08));
        break;
    case Mouth::Oops:
        blob(p, c + QPointF(0, r * 0.1), r * 0.14, r * 0.18, QColor(0x6a, 0x10, 0x14), outlinePen(kLips, r * 0.04));
        break;
    case Mouth::Wavy: {
        QPainterPath w;
        w.moveTo(c + QPointF(-r * 0.32, r * 0.1));
        for (int i = 1; i <= 4; ++i)
            w.quadTo(c + QPointF(-r * 0.32 + (i - 0.5) * r * 0.16, r * (i % 2 ? -0.02 : 0.22)),
                     c + QPointF(-r * 0.32 + i * r * 0.16, r * 0.1));
        p.setPen(pen);
        p.drawPath(w);
        break;
    }
    case Mouth::Smirk: {
        QPainterPath s;
        s.moveTo(c + QPointF(-r * 0.25, r * 0.12));
        s.quadTo(c + QPointF(r * 0.1, r * 0.16), c + QPointF(r * 0.3, -r * 0.04));
        p.setPen(pen);
        p.drawPath(s);
        break;
    }
    }
}

// Sits high on the head so the brows stay visible.
void cap(QPainter &p, QPointF head, qreal r)
{
    const QPointF c = head + QPointF(0, -r * 0.26);
    QPainterPath hat;
    hat.moveTo(c + QPointF(-r * 0.95, -r * 0.45));
    hat.cubicTo(c + QPointF(-r * 0.8, -r * 1.5), c + QPointF(r * 0.6, -r * 1.7), c + QPointF(r * 1.25, -r * 1.0));
    hat.cubicTo(c + QPointF(r * 0.9, -r * 1.05), c + QPointF(r * 0.8, -r * 0.8), c + QPointF(r * 0.95, -r * 0.45));
    hat.closeSubpath();
    p.setPen(outlinePen(QColor(0x70, 0x08, 0x10), r * 0.05));
    p.setBrush(vertical(hat.boundingRect(), QColor(0xf0, 0x40, 0x40), QColor(0xb0, 0x10, 0x18)));
    p.drawPath(hat);
    p.setPen(outlinePen(QColor(0xa8, 0xb0, 0xc0), r * 0.04));
    p.setBrush(QColor(0xfb, 0xfd, 0xff));
    p.drawRoundedRect(QRectF(c.x() - r * 1.05, c.y() - r * 0.62, r * 2.1, r * 0.34), r * 0.17, r * 0.17);
    p.drawEllipse(c + QPointF(r * 1.25, -r * 0.95), r * 0.22, r * 0.22);
}

} // namespace

void drawFace(QPainter &p, QPointF c, qreal r, const Expression &e)
{
    blob(p, c, r, r * 0.95, e.skin, outlinePen(e.skin.darker(170), r * 0.05));
    for (bool left : {true, false}) {
        const QPointF at = c + QPointF(left ? -r * 0.36 : r * 0.36, -r * 0.05);
        eye(p, at, r, e.eyes, left);
        brow(p, at, r, e.brows, left);
        blob(p, c + QPointF(left ? -r * 0.58 : r * 0.58, r * 0.28), r * 0.15, r * 0.09,
             QColor(0xf0, 0x80, 0x80, 160));
    }
    blob(p, c + QPointF(0, r * 0.12), r * 0.1, r * 0.08, e.skin.darker(125));
    mouth(p, c + QPointF(0, r * 0.42), r, e.mouth);
    if (e.sweat) {
        QPainterPath drop;
        const QPointF d = c + QPointF(r * 0.85, -r * 0.15);
        drop.moveTo(d);
        drop.cubicTo(d + QPointF(r * 0.14, r * 0.2), d + QPointF(r * 0.12, r * 0.3), d + QPointF(0, r * 0.3));
        drop.cubicTo(d + QPointF(-r * 0.12, r * 0.3), d + QPointF(-r * 0.14, r * 0.2), d);
        p.setPen(outlinePen(QColor(0x30, 0x70, 0xc0), r * 0.03));
        p.setBrush(QColor(0xa8, 0xd8, 0xff));
        p.drawPath(drop);
    }
    cap(p, c, r);
}

} // namespace art::character
