#include "TiledWallpaper.h"

#include <QEvent>
#include <QPainter>

TTiledWallpaper::TTiledWallpaper(const QPixmap& picture, QWidget* parent)
    : QWidget(parent), picture(picture)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
    lower();
}

void TTiledWallpaper::SetPicture(const QPixmap& newPicture)
{
    picture = newPicture;
    update();
}

void TTiledWallpaper::paintEvent(QPaintEvent*)
{
    // Without a picture the parent's own background shows.
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), picture);
}

bool TTiledWallpaper::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == parent() && e->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, e);
}
