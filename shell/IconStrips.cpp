#include "IconStrips.h"

#include "Artwork.h"

TIconStrips::TIconStrips()
    : normal(ArtworkPixmap(QStringLiteral(":/icons/normal.png"))),
      disabled(ArtworkPixmap(QStringLiteral(":/icons/disabled.png"))),
      hot(ArtworkPixmap(QStringLiteral(":/icons/hot.png")))
{
}

QPixmap TIconStrips::Cell(const QPixmap& strip, TIconIndex index) const
{
    // The strips may hold more device pixels than logical ones.
    const qreal ratio = strip.devicePixelRatio();
    QPixmap cell = strip.copy(QRectF(int(index) * IconSize * ratio, 0, IconSize * ratio,
                                     IconSize * ratio).toRect());
    cell.setDevicePixelRatio(ratio);
    return cell;
}

QIcon TIconStrips::Icon(TIconIndex index, const QPixmap& active) const
{
    QIcon icon;
    icon.addPixmap(Cell(normal, index), QIcon::Normal);
    icon.addPixmap(Cell(active, index), QIcon::Active);
    icon.addPixmap(Cell(disabled, index), QIcon::Disabled);
    return icon;
}

QIcon TIconStrips::MenuIcon(TIconIndex index) const { return Icon(index, normal); }

QIcon TIconStrips::ButtonIcon(TIconIndex index) const { return Icon(index, hot); }
