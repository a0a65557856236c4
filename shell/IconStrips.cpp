#include "IconStrips.h"

TIconStrips::TIconStrips()
    : normal(QStringLiteral(":/icons/normal.png")),
      disabled(QStringLiteral(":/icons/disabled.png")), hot(QStringLiteral(":/icons/hot.png"))
{
}

QPixmap TIconStrips::Cell(const QPixmap& strip, TIconIndex index) const
{
    return strip.copy(int(index) * IconSize, 0, IconSize, IconSize);
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
