#include "Faces.h"

#include "CardOutline.h"
#include "CourtFigures.h"
#include "Paint.h"
#include "Palette.h"

#include <vector>

namespace art {

namespace {

constexpr int kAce = 0, kTen = 9, kJack = 10;
constexpr qreal kPipHeight = 11.5;
constexpr qreal kLeft = 22, kCentre = 35.5, kRight = 49;
constexpr qreal kTop = 17, kBottom = 79;

struct Pip {
    qreal x;
    qreal t; // 0 top row .. 1 bottom row
};

// The traditional pip patterns; value n has n + 1 pips.
std::vector<Pip> pipLayout(int value)
{
    const auto sides = [](std::initializer_list<qreal> rows) {
        std::vector<Pip> pips;
        for (qreal t : rows) {
            pips.push_back({kLeft, t});
            pips.push_back({kRight, t});
        }
        return pips;
    };
    std::vector<Pip> pips;
    switch (value + 1) {
    case 2: return {{kCentre, 0}, {kCentre, 1}};
    case 3: return {{kCentre, 0}, {kCentre, 0.5}, {kCentre, 1}};
    case 4: return sides({0, 1});
    case 5: pips = sides({0, 1}); pips.push_back({kCentre, 0.5}); return pips;
    case 6: return sides({0, 0.5, 1});
    case 7: pips = sides({0, 0.5, 1}); pips.push_back({kCentre, 0.25}); return pips;
    case 8:
        pips = sides({0, 0.5, 1});
        pips.push_back({kCentre, 0.25});
        pips.push_back({kCentre, 0.75});
        return pips;
    case 9:
        pips = sides({0, 1.0 / 3, 2.0 / 3, 1});
        pips.push_back({kCentre, 0.5});
        return pips;
    case 10:
        pips = sides({0, 1.0 / 3, 2.0 / 3, 1});
        pips.push_back({kCentre, 1.0 / 6});
        pips.push_back({kCentre, 5.0 / 6});
        return pips;
    default: return {};
    }
}

QString rankText(int value)
{
    static const char *names[] = {"A", "2", "3", "4", "5", "6", "7",
                                  "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(names[value]);
}

// The rank glyphs fill a fixed height; "10" is squeezed sideways, not shrunk.
void drawRank(QPainter &p, const QRectF &box, const QString &text, QColor colour)
{
    const QPainterPath path = textPath(text, font(40, true, true));
    const QRectF b = path.boundingRect();
    const qreal sy = box.height() / b.height();
    const qreal sx = std::min(sy, box.width() / b.width());
    p.save();
    p.translate(box.center());
    p.scale(sx, sy);
    p.translate(-b.center());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

// Rank and suit in the top-left corner and, turned round, in the bottom-right.
void drawIndices(QPainter &p, Suit suit, int value)
{
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn) {
            p.translate(kCardWidth, kCardHeight);
            p.rotate(180);
        }
        drawRank(p, QRectF(2, 4, 10, 10), rankText(value), suitColour(suit));
        drawSuit(p, suit, QPointF(7, 21.5), 8);
        p.restore();
    }
}

void drawPips(QPainter &p, Suit suit, int value)
{
    if (value == kAce) {
        drawSuit(p, suit, QPointF(kCardWidth / 2.0, kCardHeight / 2.0), 32);
        return;
    }
    for (const Pip &pip : pipLayout(value)) {
        const qreal y = kTop + pip.t * (kBottom - kTop);
        drawSuit(p, suit, QPointF(pip.x, y), kPipHeight, pip.t > 0.5);
    }
}

void drawFace(QPainter &p, Suit suit, int value)
{
    if (value > kJack + 2)
        return; // the spare cell stays plain white
    p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1));
    p.setBrush(Qt::white);
    p.drawPath(cardShape());
    if (value <= kTen)
        drawPips(p, suit, value);
    else
        drawCourt(p, suit, Court(value - kJack), QRectF(14.5, 8.5, 42, 79));
    drawIndices(p, suit, value);
}

} // namespace

QImage faceStrip(Suit suit)
{
    return quantise(cardStrip([suit](QPainter &p, int n) { drawFace(p, suit, n); }), 256);
}

} // namespace art
