#include "ColorSwatch.h"

#include <QColorDialog>
#include <QMouseEvent>

namespace {
// The colour dialog starts from green the first time and from the last colour chosen
// in any swatch afterwards.
QColor lastChosen(0, 128, 0);
} // namespace

std::function<std::optional<QColor>(QWidget*, const QColor&)> TColorSwatch::PickColor =
    [](QWidget* parent, const QColor& start) -> std::optional<QColor> {
    const QColor chosen =
        QColorDialog::getColor(start, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
};

TColorSwatch::TColorSwatch(const QString& caption, const QColor& initial, QWidget* parent)
    : QLabel(caption, parent)
{
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    SetColor(initial);
}

void TColorSwatch::SetColor(const QColor& newColor)
{
    color = newColor;
    QPalette look = palette();
    look.setColor(QPalette::Window, color);
    // The caption stays readable on dark and light colours alike.
    look.setColor(QPalette::WindowText, color.lightness() < 128 ? Qt::white : Qt::black);
    setPalette(look);
}

void TColorSwatch::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (const auto chosen = PickColor(this, lastChosen)) {
        lastChosen = *chosen;
        SetColor(*chosen);
        emit ColorChosen();
    }
}
