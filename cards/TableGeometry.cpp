#include "TableGeometry.h"

#include "CardImages.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest whole rectangle covering these edges (right and bottom exclusive).
QRect Cover(qreal left, qreal top, qreal right, qreal bottom)
{
    return QRect(QPoint(int(std::floor(left)), int(std::floor(top))),
                 QPoint(int(std::ceil(right)) - 1, int(std::ceil(bottom)) - 1));
}

} // namespace

TTableGeometry TTableGeometry::Scaled(qreal scale, QSize widget, qreal dpr)
{
    const QSize table(qRound(widget.width() / scale), qRound(widget.height() / scale));
    return {scale, dpr, table, {}, DeviceRect(QRect({}, widget), dpr).size()};
}

TTableGeometry TTableGeometry::Fitted(QSize table, QSize widget, qreal dpr)
{
    qreal scale =
        std::min(qreal(widget.width()) / table.width(), qreal(widget.height()) / table.height());
    const QSize device = DeviceRect(QRect({}, widget), dpr).size();
    // The quotient's rounding error may carry the table's far edge a pixel past the
    // widget's; a hair less keeps it inside.
    QSize shown = DeviceRect(QRect({}, table), scale * dpr).size();
    while (shown.width() > device.width() || shown.height() > device.height()) {
        scale *= 1 - 1e-12;
        shown = DeviceRect(QRect({}, table), scale * dpr).size();
    }
    const QPoint origin((device.width() - shown.width()) / 2,
                        (device.height() - shown.height()) / 2);
    return {scale, dpr, table, origin, device};
}

QPoint TTableGeometry::ToTable(QPointF widgetPoint) const
{
    const QPointF p = (widgetPoint * dpr - QPointF(origin)) / Ratio();
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

QRect TTableGeometry::ToTable(const QRect& widgetRect) const
{
    const QRectF d = QRectF(DeviceRect(widgetRect, dpr)).translated(-QPointF(origin));
    const qreal r = Ratio();
    return Cover(d.left() / r, d.top() / r, d.right() / r, d.bottom() / r);
}

QRect TTableGeometry::ToWidget(const QRect& tableRect) const
{
    const QRectF d = QRectF(ToDevice(tableRect));
    return Cover(d.left() / dpr, d.top() / dpr, d.right() / dpr, d.bottom() / dpr);
}

QPoint TTableGeometry::ToDevice(QPoint tablePoint) const
{
    return origin + DevicePoint(tablePoint, Ratio());
}

QRect TTableGeometry::ToDevice(const QRect& tableRect) const
{
    return DeviceRect(tableRect, Ratio()).translated(origin);
}
