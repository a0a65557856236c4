// The board's pictures: the background drawn once per rebuild, and each repaint composed
// offscreen from it with the cards on top in a fixed order.
#include "Board.h"
#include "GameArea.h"
#include "RasterOps.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

int MulDiv(int a, int b, int c) { return static_cast<int>(int64_t(a) * b / c); }

// Band i of 256 between two colours, each channel on its own.
QColor BandColor(const QColor& c1, const QColor& c2, int i)
{
    return QColor(c1.red() + MulDiv(i, c2.red() - c1.red(), 256),
                  c1.green() + MulDiv(i, c2.green() - c1.green(), 256),
                  c1.blue() + MulDiv(i, c2.blue() - c1.blue(), 256));
}

// A rectangle given by its corners, right and bottom exclusive.
QRect Span(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// Whether `above`, drawn later, hides `card` entirely: in the same place and drawn
// whole (a highlighted card lets what lies below show), with no mark of `card` showing
// above both. A deck holds many such cards, at 4K each a third of a megapixel.
bool Hides(const TCard& above, const TCard& card)
{
    return !above.Empty() && !above.Moving && !above.SelectedCard() && !card.Marked() &&
           above.X() == card.X() && above.Y() == card.Y();
}

void PaintLinearGradient(QPainter& p, const QColor& c1, const QColor& c2, int w, int h, bool across)
{
    for (int i = 0; i < 256; ++i) {
        const QRect band = across ? Span(MulDiv(i, w, 256), 0, MulDiv(i + 1, w, 256), h)
                                  : Span(0, MulDiv(i, h, 256), w, MulDiv(i + 1, h, 256));
        p.fillRect(band, BandColor(c1, c2, i));
    }
}

// Nested shapes from the rim inward, each smaller one painting over the larger.
template <typename Shape>
void PaintNested(QPainter& p, const QColor& c1, const QColor& c2, int a, int b, int reachA, int reachB, Shape shape)
{
    p.setPen(Qt::NoPen);
    for (int i = 255; i >= 0; --i) {
        const int da = MulDiv(i, reachA, 256);
        const int db = MulDiv(i, reachB, 256);
        shape(Span(a - da, b - db, a + da, b + db), BandColor(c1, c2, i));
    }
}

void PaintEllipticGradient(QPainter& p, const QColor& c1, const QColor& c2, int w, int h)
{
    const int a = w / 2;
    const int b = h / 2;
    if (a == 0 || b == 0)
        return;
    // Grow the ellipse so that its rim passes through the board's corners.
    const double phi = std::atan(double(a) / b);
    const double cx = std::cos(phi) * a;
    const double cy = std::sin(phi) * b;
    const double s = std::sqrt((double(a) * a + double(b) * b) / (cx * cx + cy * cy));
    PaintNested(p, c1, c2, a, b, int(a * s), int(b * s), [&p](const QRect& r, const QColor& c) {
        p.setBrush(c);
        p.drawEllipse(r);
    });
}

void PaintRectangularGradient(QPainter& p, const QColor& c1, const QColor& c2, int w, int h)
{
    const int a = w / 2;
    const int b = h / 2;
    PaintNested(p, c1, c2, a, b, a, b, [&p](const QRect& r, const QColor& c) { p.fillRect(r, c); });
}

// A picture's size in the board's pixels; a high-DPI picture holds more of its own.
QSize LogicalSize(const QImage& picture)
{
    return (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
}

// As a texture, so that the tiles meet without a gap at a ratio that makes their size
// a fraction of a board pixel.
void PaintTiled(QPainter& p, const QImage& picture, int w, int h)
{
    p.fillRect(0, 0, w, h, QBrush(picture));
}

// Keeps the proportions, covers the whole board and cuts the overflow equally.
void PaintProportional(QPainter& p, const QImage& picture, int w, int h)
{
    const int gw = LogicalSize(picture).width();
    const int gh = LogicalSize(picture).height();
    if (gw * h >= gh * w) {
        const int sw = gw * h / gh;
        p.drawImage(Span((w - sw) / 2, 0, (sw + w) / 2, h), picture);
    } else {
        const int sh = gh * w / gw;
        p.drawImage(Span(0, (h - sh) / 2, w, (sh + h) / 2), picture);
    }
}

// The pixels a painter on the board writes into, when the board can compose straight
// into them: a 32-bit image of its own, the board's device pixels shifted by whole
// pixels. That saves copying every repaint through the offscreen image (33 MB at 4K).
QImage* DirectTarget(const QPainter& p, qreal ratio, QPoint& shift)
{
    QPaintDevice* device = p.paintEngine()->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QTransform t = p.deviceTransform();
    const bool wholeShift = t.type() <= QTransform::TxScale && t.m11() == ratio &&
                            t.m22() == ratio && t.dx() == std::floor(t.dx()) &&
                            t.dy() == std::floor(t.dy());
    const bool rgb32 = image->format() == QImage::Format_RGB32 ||
                       image->format() == QImage::Format_ARGB32_Premultiplied;
    if (!wholeShift || !rgb32 || !image->isDetached())
        return nullptr;
    shift = QPoint(int(t.dx()), int(t.dy()));
    return image;
}

} // namespace

void TBoard::Rebuild()
{
    geometry = Geometry();
    if (geometry.TableSize() != builtSize && OnResize)
        OnResize(*this);
    builtSize = geometry.TableSize();
    // Both images hold the widget's device pixels, at the table's ratio, so that the
    // background runs on under the bands; the cards are prepared to match.
    const qreal ratio = geometry.Ratio();
    if (images->Ratio() != ratio)
        images = std::make_unique<TCardImages>(drawBackFrame, ratio);
    if (pictureMaker && picture.devicePixelRatio() != ratio)
        picture = pictureMaker(ratio);
    const QSize device = geometry.DeviceSize();
    // Fresh images start black; that shows wherever a background leaves pixels unpainted.
    backdrop = QImage(device, QImage::Format_RGB32);
    backdrop.setDevicePixelRatio(ratio);
    backdrop.fill(Qt::black);
    compose = QImage();
    PaintBackground(backdrop);
}

void TBoard::RebuildBackground() { Rebuild(); }

TTableGeometry TBoard::Geometry() const
{
    const qreal dpr = devicePixelRatioF();
    return tableScale == FitTable
               ? TTableGeometry::Fitted({GameAreaWidth, GameAreaHeight}, size(), dpr)
               : TTableGeometry::Scaled(tableScale, size(), dpr);
}

void TBoard::PaintBackground(QImage& target)
{
    QPainter p(&target);
    const int w = LogicalSize(target).width();
    const int h = LogicalSize(target).height();
    const bool hasPicture = !picture.isNull() && picture.width() > 0 && picture.height() > 0;
    // A picture made for fewer device pixels than a scaled table has is enlarged smoothly
    // rather than in blocks.
    if (hasPicture && picture.devicePixelRatio() < target.devicePixelRatio())
        p.setRenderHint(QPainter::SmoothPixmapTransform);
    switch (backType) {
    case btSolid: p.fillRect(0, 0, w, h, color1); break;
    case btHGradient: PaintLinearGradient(p, color1, color2, w, h, true); break;
    case btVGradient: PaintLinearGradient(p, color1, color2, w, h, false); break;
    case btEGradient: PaintEllipticGradient(p, color1, color2, w, h); break;
    case btRGradient: PaintRectangularGradient(p, color1, color2, w, h); break;
    case btTile:
        if (hasPicture)
            PaintTiled(p, picture, w, h);
        break;
    case btStretch:
        if (hasPicture)
            p.drawImage(QRect(0, 0, w, h), picture);
        break;
    case btPropStretch:
        if (hasPicture)
            PaintProportional(p, picture, w, h);
        break;
    }
}

bool TBoard::HasVisibleControls() const
{
    const auto widgets = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return std::any_of(widgets.begin(), widgets.end(), [](QWidget* w) { return w->isVisible(); });
}

void TBoard::PaintControls(QImage& target, const QRect& repaint)
{
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || !widget->isVisible() || !widget->geometry().intersects(repaint))
            continue;
        const QRect part = widget->geometry() & repaint;
        widget->render(&target, part.topLeft(), QRegion(part.translated(-widget->pos())),
                       QWidget::DrawChildren);
    }
}

void TBoard::Compose(const QRect& repaint)
{
    // Made on first use: a repaint straight into the window's pixels needs none.
    if (compose.isNull()) {
        compose = QImage(backdrop.size(), QImage::Format_RGB32);
        compose.setDevicePixelRatio(backdrop.devicePixelRatio());
        compose.fill(Qt::black);
    }
    ComposeInto(compose, {}, repaint);
}

void TBoard::ComposeInto(QImage& target, QPoint shift, const QRect& repaint)
{
    const QRect area = repaint & geometry.ToTable(rect());
    const QRect device = geometry.ToDevice(area) & backdrop.rect();
    RasterBlit(target, device.topLeft() + shift, backdrop, device, TRasterOp::SrcCopy,
               device.translated(shift));
    PaintControls(target, area);
    if (!cardOrder.empty())
        DrawCards(target, shift, area);
}

void TBoard::DrawCards(QImage& target, QPoint shift, const QRect& repaint) const
{
    const QPoint origin = geometry.Origin() + shift;
    // Piled cards bottom up, then free cards, then cards in flight on top of all.
    for (const TPile* pile : pileOrder) {
        const std::vector<TCard*>& cards = pile->Cards();
        for (size_t i = 0; i < cards.size(); ++i)
            if (!cards[i]->Moving && !(i + 1 < cards.size() && Hides(*cards[i + 1], *cards[i])))
                images->DrawCard(target, *cards[i], repaint, origin);
    }
    for (const TCard* card : cardOrder)
        if (!card->Pile() && !card->Moving)
            images->DrawCard(target, *card, repaint, origin);
    for (const TCard* card : movingCards)
        images->DrawCard(target, *card, repaint, origin);
}

void TBoard::paintEvent(QPaintEvent* e)
{
    // The window may have moved to a screen of another pixel ratio.
    if (Geometry().Ratio() != images->Ratio())
        Rebuild();
    const qreal ratio = devicePixelRatioF();
    QPainter p(this);
    QPoint shift;
    // Child widgets are rendered into the composed picture, which needs its own painter.
    if (QImage* target = HasVisibleControls() ? nullptr : DirectTarget(p, ratio, shift)) {
        p.end();
        for (const QRect& exposed : e->region())
            ComposeInto(*target, shift, geometry.ToTable(exposed & rect()));
        return;
    }
    const QRect area = e->rect() & rect();
    Compose(geometry.ToTable(area));
    const QRect device = DeviceRect(area, ratio) & compose.rect();
    // Device pixels straight onto device pixels: no resampling at a fractional ratio.
    p.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    p.drawImage(QRectF(device), compose, QRectF(device));
}
