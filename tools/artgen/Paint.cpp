#include "Paint.h"

#include <QLinearGradient>

namespace art {

namespace {
int currentScale = 1;
} // namespace

void setScale(int scale) { currentScale = scale; }

int scale() { return currentScale; }

QImage canvas(QSize size, QColor fill)
{
    QImage img(size * currentScale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(currentScale);
    img.fill(fill);
    return img;
}

void prepare(QPainter &p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
}

QFont font(int pixelSize, bool bold, bool serif)
{
    QFont f(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath textPath(const QString &text, const QFont &font)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

void drawTextIn(QPainter &p, const QRectF &box, const QString &text, const QFont &font,
                const QBrush &fill, const QPen &outline)
{
    const QPainterPath path = textPath(text, font);
    const QRectF bounds = path.boundingRect();
    const qreal scale = std::min({1.0, box.width() / bounds.width(), box.height() / bounds.height()});
    p.save();
    p.translate(box.center());
    p.scale(scale, scale);
    p.translate(-bounds.center());
    p.setPen(outline);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void blob(QPainter &p, QPointF centre, qreal rx, qreal ry, const QBrush &fill, const QPen &pen)
{
    p.setPen(pen);
    p.setBrush(fill);
    p.drawEllipse(centre, rx, ry);
}

QPen outlinePen(QColor colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QBrush vertical(const QRectF &r, QColor top, QColor bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return QBrush(g);
}

} // namespace art
