#include "Backs.h"

#include "CardOutline.h"
#include "Motifs.h"
#include "Paint.h"
#include "Palette.h"

#include <functional>

namespace art {

namespace {

using SubjectPainter = std::function<void(QPainter &, const QRectF &)>;

struct BackDesign {
    const char *name;
    QColor field;
    SubjectPainter subject;
};

const QColor kRed(0xc8, 0x1c, 0x24);

// Two canes crossed under a bow.
void candyCanes(QPainter &p, const QRectF &r)
{
    for (int side : {-1, 1}) {
        p.save();
        p.translate(r.center());
        p.rotate(side * 14);
        p.translate(-r.center());
        motif::candyCane(p, r.translated(side * 10, 0).adjusted(4, 0, -4, 0), side > 0);
        p.restore();
    }
    motif::bow(p, QPointF(r.center().x(), r.center().y() + 16), 11, QColor(0xf2, 0xc0, 0x30));
}

void candles(QPainter &p, const QRectF &r)
{
    const qreal w = r.width() / 3;
    motif::candle(p, QRectF(r.left(), r.top() + 14, w, r.height() - 14), QColor(0xf0, 0xe8, 0xd0));
    motif::candle(p, QRectF(r.left() + w, r.top(), w, r.height()), QColor(0xd8, 0x30, 0x30));
    motif::candle(p, QRectF(r.left() + 2 * w, r.top() + 14, w, r.height() - 14), QColor(0xf0, 0xe8, 0xd0));
    motif::holly(p, QPointF(r.center().x(), r.bottom() - 2), 16);
}

void bells(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center();
    motif::bell(p, c + QPointF(-10, 10), 30, 18);
    motif::bell(p, c + QPointF(10, 10), 30, -18);
    motif::bow(p, c + QPointF(0, -10), 14, kRed);
    motif::holly(p, c + QPointF(0, -20), 20);
}

void elfWithGift(QPainter &p, const QRectF &r) { motif::elf(p, r, true); }
void elfDoll(QPainter &p, const QRectF &r) { motif::elf(p, r, false, true); }
void youngFir(QPainter &p, const QRectF &r) { motif::firTree(p, r, false); }
void christmasTree(QPainter &p, const QRectF &r) { motif::firTree(p, r, true); }

// Index n is back n.
const std::vector<BackDesign> &designs()
{
    static const std::vector<BackDesign> all = {
        {"Candy Canes", QColor(0x2a, 0x8a, 0x4a), candyCanes},
        {"Rabbit", QColor(0x3a, 0x70, 0xc8), motif::rabbit},
        {"Cone", QColor(0x3c, 0x7a, 0x48), motif::pineCone},
        {"Elf Doll", QColor(0xe0, 0x9a, 0x30), elfDoll},
        {"Gingerbread House", QColor(0x5a, 0x9c, 0xd8), motif::gingerbreadHouse},
        {"Bells", QColor(0x1e, 0x5a, 0x3a), bells},
        {"Chocolate Santa", QColor(0xe8, 0xc8, 0x70), motif::chocolateSanta},
        {"Candles", QColor(0x22, 0x2e, 0x6a), candles},
        {"Young Fir", QColor(0x48, 0x86, 0xc8), youngFir},
        {"Santa Claus", QColor(0x2a, 0x6a, 0x3a), motif::santa},
        {"Elf With Gift", QColor(0xb0, 0x22, 0x2a), elfWithGift},
        {"Christmas Tree", QColor(0x1a, 0x36, 0x78), christmasTree},
        {"Ice Sculpture", QColor(0x24, 0x4c, 0x8c), motif::iceSwan},
        {"Snow-plough", QColor(0x6c, 0x9c, 0xc8), motif::snowPlough},
    };
    return all;
}

// Coloured field with a darker rim, a fine diagonal lattice and a gold line. The rim
// is dark so that the optional white frame line shows on it.
void drawField(QPainter &p, QColor field)
{
    p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1));
    p.setBrush(field.darker(150));
    p.drawPath(cardShape());
    const QRectF inner(3.5, 3.5, kCardWidth - 7, kCardHeight - 7);
    QPainterPath innerPath;
    innerPath.addRoundedRect(inner, 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(inner, field.lighter(118), field.darker(118)));
    p.drawPath(innerPath);
    p.save();
    p.setClipPath(innerPath);
    p.setPen(QPen(field.lighter(135), 0.6));
    for (int k = -kCardHeight; k < kCardWidth + kCardHeight; k += 8) {
        p.drawLine(QPointF(k, 0), QPointF(k + kCardHeight, kCardHeight));
        p.drawLine(QPointF(k, kCardHeight), QPointF(k + kCardHeight, 0));
    }
    p.restore();
    p.setPen(QPen(QColor(0xf0, 0xd0, 0x70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(2, 2, -2, -2), 2, 2);
}

void drawBack(QPainter &p, int n)
{
    const BackDesign &d = designs()[size_t(n)];
    drawField(p, d.field);
    // A soft halo keeps the subject readable on any field colour.
    QRadialGradient halo(QPointF(35.5, 50), 32);
    halo.setColorAt(0, QColor(255, 255, 255, 90));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(35.5, 50), 32, 40);
    d.subject(p, QRectF(8, 12, kCardWidth - 16, kCardHeight - 22));
}

} // namespace

QImage backStrip()
{
    return quantise(cardStrip(drawBack), 256);
}

} // namespace art
