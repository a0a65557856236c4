#pragma once
#include <QList>
#include <QRect>

// A kept window rectangle brought back onto the desktop: no larger than the screen it
// mostly lies on (the first screen when it lies on none), and moved wholly onto it.
QRect KeptOnScreen(const QRect& window, const QList<QRect>& screens);
