#include "FocusRing.h"

#include <QPainter>

TFocusRing::TFocusRing(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TFocusRing::Surround(const QRect& card)
{
    setGeometry(card.adjusted(-Margin, -Margin, Margin, Margin));
    raise();
}

void TFocusRing::paintEvent(QPaintEvent*)
{
    // A dark outer line and a bright band reaching onto the card's edge: it shows on
    // light and dark tables alike and leaves the card's face readable.
    constexpr int Band = Margin + 2;
    QPainter p(this);
    const QRect outer = rect();
    p.setClipRegion(QRegion(outer) - QRegion(outer.adjusted(Band, Band, -Band, -Band)));
    p.fillRect(outer, Qt::black);
    p.fillRect(outer.adjusted(1, 1, -1, -1), QColor(255, 215, 0));
}
