#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

// Small drawing helpers shared by every picture.
namespace art {

// The device pixel ratio pictures are drawn at: 1 for the classic bitmaps, 2 and 3
// for high-DPI screens. Every canvas is made at it.
void setScale(int scale);
int scale();

// A transparent ARGB canvas of `size` logical pixels, or one filled with `fill`; it
// holds size × scale() pixels, and a painter on it draws in logical pixels.
QImage canvas(QSize size, QColor fill = Qt::transparent);

// A painter with antialiasing on everything it draws.
void prepare(QPainter &p);

QFont font(int pixelSize, bool bold = true, bool serif = false);

// Text as an outline; its glyphs come from DejaVu, rendered here.
QPainterPath textPath(const QString &text, const QFont &font);

// Centres `text` in `box`, shrinking it (never growing) until it fits.
void drawTextIn(QPainter &p, const QRectF &box, const QString &text, const QFont &font,
                const QBrush &fill, const QPen &outline = Qt::NoPen);

// Filled ellipse around a centre, the most common shape of the figures.
void blob(QPainter &p, QPointF centre, qreal rx, qreal ry, const QBrush &fill,
          const QPen &pen = Qt::NoPen);

// Outline pen with round joins, so thin strokes stay smooth at small sizes.
QPen outlinePen(QColor colour, qreal width);

// A path through points, closed; for the many simple polygons.
QPainterPath polygon(std::initializer_list<QPointF> points);

// Vertical two-colour gradient over a rectangle.
QBrush vertical(const QRectF &r, QColor top, QColor bottom);

} // namespace art
