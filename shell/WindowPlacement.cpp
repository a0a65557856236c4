#include "WindowPlacement.h"

#include <algorithm>

namespace {

qint64 Overlap(const QRect& a, const QRect& b)
{
    const QRect both = a & b;
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

} // namespace

QRect KeptOnScreen(const QRect& window, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return window;
    const QRect screen = *std::max_element(screens.begin(), screens.end(),
                                           [&window](const QRect& a, const QRect& b) {
                                               return Overlap(window, a) < Overlap(window, b);
                                           });
    const QSize size = window.size().boundedTo(screen.size());
    const int x =
        std::clamp(window.x(), screen.left(), screen.left() + screen.width() - size.width());
    const int y =
        std::clamp(window.y(), screen.top(), screen.top() + screen.height() - size.height());
    return {QPoint(x, y), size};
}
