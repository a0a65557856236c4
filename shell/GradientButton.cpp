#include "GradientButton.h"

#include <QPainter>
#include <QRadialGradient>
#include <QStyleOptionFocusRect>

TGradientButton::TGradientButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    QPalette pal = palette();
    pal.setColor(QPalette::ButtonText, Qt::black);
    setPalette(pal);
}

void TGradientButton::SetStartColor(const QColor& color)
{
    if (color == startColor)
        return;
    startColor = color;
    update();
}

void TGradientButton::SetEndColor(const QColor& color)
{
    if (color == endColor)
        return;
    endColor = color;
    update();
}

void TGradientButton::SetFrameWidth(int width)
{
    if (width == frameWidth)
        return;
    frameWidth = width;
    update();
}

void TGradientButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    const bool down = isDown() || isChecked();

    // In bounding-box coordinates a circle of radius 0.5 becomes the button's ellipse.
    QRadialGradient gradient(0.5, 0.5, 0.5);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, down ? startColor : endColor);
    gradient.setColorAt(1, down ? endColor : startColor);
    painter.fillRect(area, gradient);

    if (frameWidth > 0) {
        QPen pen(isEnabled() ? QColor(0x40, 0x40, 0x40) : QColor(0xA0, 0xA0, 0xA0));
        pen.setWidth(frameWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        // The stroke straddles the path: half a width in from the edge lays it inside.
        const qreal half = frameWidth / 2.0;
        painter.drawRect(QRectF(area).adjusted(half, half, -half, -half));
    }

    painter.setPen(isEnabled() ? Qt::black : Qt::gray);
    painter.setFont(font());
    const QRect textArea = down ? area.translated(1, 1) : area;
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect =
            area.adjusted(frameWidth + 2, frameWidth + 2, -frameWidth - 2, -frameWidth - 2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
