#include "HoverImage.h"

#include <QMouseEvent>
#include <QPainter>

bool IsClickRelease(const QWidget& widget, const QMouseEvent& e)
{
    return e.button() == Qt::LeftButton && widget.rect().contains(e.position().toPoint());
}

THoverImage::THoverImage(const QPixmap& normal, const QPixmap& hover, QWidget* parent)
    : QWidget(parent), normalPicture(normal), hoverPicture(hover)
{
}

THotArea* THoverImage::AddHotArea(const QRect& geometry)
{
    auto* area = new THotArea(*this, geometry);
    area->setToolTip(toolTip());
    area->setStatusTip(statusTip());
    area->setEnabled(isEnabled());
    // The label itself stays on top where it overlaps its area.
    area->stackUnder(this);
    hotAreas.push_back(area);
    return area;
}

void THoverImage::SetPictures(const QPixmap& normal, const QPixmap& hover)
{
    normalPicture = normal;
    hoverPicture = hover;
    update();
}

void THoverImage::SetHint(const QString& hint)
{
    setToolTip(hint);
    setStatusTip(hint);
    for (THotArea* area : hotAreas) {
        area->setToolTip(hint);
        area->setStatusTip(hint);
    }
}

void THoverImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A kind that cannot be played yet stays visible, but faded.
    if (!isEnabled()) painter.setOpacity(0.35);
    painter.drawPixmap(0, 0, Hovered() ? hoverPicture : normalPicture);
}

void THoverImage::enterEvent(QEnterEvent* e)
{
    SetPartHovered(this, true);
    QWidget::enterEvent(e);
}

void THoverImage::leaveEvent(QEvent* e)
{
    SetPartHovered(this, false);
    QWidget::leaveEvent(e);
}

void THoverImage::mouseReleaseEvent(QMouseEvent* e)
{
    if (IsClickRelease(*this, *e)) emit Clicked();
}

void THoverImage::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange) {
        for (THotArea* area : hotAreas)
            area->setEnabled(isEnabled());
        update();
    }
    QWidget::changeEvent(e);
}

void THoverImage::SetPartHovered(const QObject* part, bool on)
{
    const bool was = Hovered();
    if (on)
        hoveredParts.insert(part);
    else
        hoveredParts.remove(part);
    if (Hovered() != was) update();
}

THotArea::THotArea(THoverImage& owner, const QRect& geometry)
    : QWidget(owner.parentWidget()), image(owner)
{
    setGeometry(geometry);
}

void THotArea::enterEvent(QEnterEvent* e)
{
    image.SetPartHovered(this, true);
    QWidget::enterEvent(e);
}

void THotArea::leaveEvent(QEvent* e)
{
    image.SetPartHovered(this, false);
    QWidget::leaveEvent(e);
}

void THotArea::mouseReleaseEvent(QMouseEvent* e)
{
    if (IsClickRelease(*this, *e)) emit image.Clicked();
}
