#include "StatusLine.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace {

// The toolkit's own margins around a status message.
constexpr int MessageMargin = 6;

QFont WithPixelSize(QFont font, int pixels)
{
    font.setPixelSize(pixels);
    return font;
}

// The break between words that makes the longer of two lines shortest.
QStringList BalancedLines(const QString& text, const QFontMetricsF& metrics)
{
    const QStringList words = text.split(u' ');
    QStringList best{text};
    qreal bestWidth = metrics.horizontalAdvance(text);
    for (int i = 1; i < words.size(); ++i) {
        const QStringList lines{words.mid(0, i).join(u' '), words.mid(i).join(u' ')};
        const qreal width = std::max(metrics.horizontalAdvance(lines[0]), metrics.horizontalAdvance(lines[1]));
        if (width < bestWidth) {
            best = lines;
            bestWidth = width;
        }
    }
    return best;
}

} // namespace

TStatusFit FitStatusText(const QString& text, const QFont& base, QSize box, int minPixelSize)
{
    const int largest = std::max(QFontInfo(base).pixelSize(), minPixelSize);
    for (int pixels = largest; pixels >= minPixelSize; --pixels) {
        const QFont font = pixels == largest ? base : WithPixelSize(base, pixels);
        if (QFontMetricsF(font).horizontalAdvance(text) <= box.width())
            return {font, {text}};
    }
    for (int pixels = largest; pixels > minPixelSize; --pixels) {
        const QFont font = WithPixelSize(base, pixels);
        const QFontMetricsF metrics(font);
        const QStringList lines = BalancedLines(text, metrics);
        const bool narrow = std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
            return metrics.horizontalAdvance(line) <= box.width();
        });
        if (narrow && lines.size() * metrics.height() <= box.height() + 1)
            return {font, lines};
    }
    const QFont smallest = WithPixelSize(base, minPixelSize);
    return {smallest, BalancedLines(text, QFontMetricsF(smallest))};
}

TStatusLine::TStatusLine(QWidget* parent) : QStatusBar(parent)
{
    // A message may be drawn smaller or on two lines; the bar repaints whole.
    connect(this, &QStatusBar::messageChanged, this, [this] { update(); });
}

QRect TStatusLine::MessageRect() const
{
    return rect().adjusted(MessageMargin, 0, -MessageMargin, 0);
}

TStatusFit TStatusLine::CurrentFit() const
{
    return FitStatusText(currentMessage(), font(), MessageRect().size(), MinimumPixelSize);
}

void TStatusLine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &p, this);
    if (currentMessage().isEmpty())
        return;
    const TStatusFit fit = CurrentFit();
    p.setPen(palette().windowText().color());
    p.setFont(fit.Font);
    const QRect box = MessageRect();
    if (fit.Lines.size() == 1) {
        p.drawText(box, Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine, fit.Lines[0]);
        return;
    }
    // Two lines share the height equally, each centred in its half.
    const QRect top(box.left(), box.top(), box.width(), box.height() / 2);
    const QRect bottom(box.left(), top.bottom() + 1, box.width(), box.height() - top.height());
    p.drawText(top, Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine, fit.Lines[0]);
    p.drawText(bottom, Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine, fit.Lines[1]);
}
