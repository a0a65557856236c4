#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a board's table lies on the board widget. The table has its own pixels (the
// game's coordinates); they are shown Scale() times larger in the widget's pixels, and
// the table's top-left corner lies at Origin() in the widget's device pixels. A scaled
// table spans the whole widget; a fitted one keeps its size, is centred, and leaves
// bands on the long side.
class TTableGeometry {
public:
    TTableGeometry() = default;
    // The whole widget (logical size `widget`, device ratio `dpr`) as a table at `scale`.
    static TTableGeometry Scaled(qreal scale, QSize widget, qreal dpr);
    // A table of `table` pixels, as large as fits into the widget, centred.
    static TTableGeometry Fitted(QSize table, QSize widget, qreal dpr);

    qreal Scale() const { return scale; }
    // Device pixels per table pixel: what the card pictures are made for.
    qreal Ratio() const { return scale * dpr; }
    QSize TableSize() const { return table; }
    QPoint Origin() const { return origin; }
    // The widget's device pixels.
    QSize DeviceSize() const { return device; }

    // The table pixel under a widget point.
    QPoint ToTable(QPointF widgetPoint) const;
    // The smallest table rectangle covering a widget rectangle, and back.
    QRect ToTable(const QRect& widgetRect) const;
    QRect ToWidget(const QRect& tableRect) const;
    // Device pixels of a table point (the pixel it starts in) and of a table rectangle.
    QPoint ToDevice(QPoint tablePoint) const;
    QRect ToDevice(const QRect& tableRect) const;

private:
    TTableGeometry(qreal scale, qreal dpr, QSize table, QPoint origin, QSize device)
        : scale(scale), dpr(dpr), table(table), origin(origin), device(device)
    {
    }

    qreal scale = 1;
    qreal dpr = 1;
    QSize table;
    QPoint origin;
    QSize device;
};
