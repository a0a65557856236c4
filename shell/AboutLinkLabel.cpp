#include "AboutLinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

TLinkLabel::TLinkLabel(const QString& text, QUrl address, QWidget* parent)
    : QLabel(text, parent), url(std::move(address))
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::blue);
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    setToolTip(url.toString());
}

void TLinkLabel::SetUnderlined(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void TLinkLabel::enterEvent(QEnterEvent* e)
{
    SetUnderlined(true);
    QLabel::enterEvent(e);
}

void TLinkLabel::leaveEvent(QEvent* e)
{
    SetUnderlined(false);
    QLabel::leaveEvent(e);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* e)
{
    // A press dragged off the label before release opens nothing.
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        QDesktopServices::openUrl(url);
    QLabel::mouseReleaseEvent(e);
}
