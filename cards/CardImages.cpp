#include "CardImages.h"

#include "Artwork.h"
#include "Card.h"
#include "RasterOps.h"

#include <cmath>
#include <stdexcept>

namespace {

int DeviceLength(int logical, qreal ratio) { return int(std::floor(logical * ratio)); }

QSize DeviceSize(QSize logical, qreal ratio)
{
    return {DeviceLength(logical.width(), ratio), DeviceLength(logical.height(), ratio)};
}

QImage LoadPicture(const char* name, int scale)
{
    const QImage image =
        ArtworkImage(QStringLiteral(":/cards/%1.png").arg(QLatin1String(name)), scale);
    if (image.isNull())
        throw std::runtime_error(std::string("Card picture missing: ") + name);
    return image.convertToFormat(QImage::Format_RGB32);
}

// Scales every cell of a picture drawn at `scale` to its size at `ratio` on its own, so
// that cells stay whole device pixels wide; a one-bit picture stays black and white.
QImage Resample(const QImage& drawn, int scale, qreal ratio, QSize logicalCell, bool oneBit)
{
    if (ratio == scale)
        return drawn;
    const QSize from = logicalCell * scale;
    const QSize to = DeviceSize(logicalCell, ratio);
    const int cells = drawn.width() / from.width();
    QImage out(to.width() * cells, to.height(), QImage::Format_RGB32);
    for (int i = 0; i < cells; ++i) {
        const QImage cell = drawn.copy(i * from.width(), 0, from.width(), from.height())
                                .scaled(to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int y = 0; y < to.height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(cell.constScanLine(y));
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(y)) + i * to.width();
            for (int x = 0; x < to.width(); ++x)
                line[x] = oneBit ? (qGray(in[x]) >= 128 ? 0xFFFFFFFFu : 0xFF000000u) : in[x];
        }
    }
    return out;
}

// Applies one operation of a one-cell picture onto every listed cell of a strip.
void CombineCells(QImage& strip, const TCardImages& images, int cells, const QImage& cellPicture,
                  TRasterOp op)
{
    for (int i = 0; i < cells; ++i)
        RasterBlit(strip, images.Cell(i).topLeft(), cellPicture, cellPicture.rect(), op,
                   strip.rect());
}

} // namespace

QPoint DevicePoint(QPoint logical, qreal ratio)
{
    return {int(std::floor(logical.x() * ratio)), int(std::floor(logical.y() * ratio))};
}

QRect DeviceRect(const QRect& logical, qreal ratio)
{
    const QPoint topLeft = DevicePoint(logical.topLeft(), ratio);
    const int right = int(std::ceil((logical.x() + logical.width()) * ratio));
    const int bottom = int(std::ceil((logical.y() + logical.height()) * ratio));
    return QRect(topLeft, QPoint(right - 1, bottom - 1));
}

TCardImages::TCardImages(bool drawBackFrame, qreal ratio)
    : ratio(ratio), cellSize(DeviceSize({CardWidth, CardHeight}, ratio))
{
    const int scale = ArtworkScale(ratio);
    const QSize card(CardWidth, CardHeight);
    const auto picture = [&](const char* name, QSize cell, bool oneBit) {
        return Resample(LoadPicture(name, scale), scale, ratio, cell, oneBit);
    };
    faces = {picture("CLUBS", card, false), picture("DIAMONDS", card, false),
             picture("HEARTS", card, false), picture("SPADES", card, false)};
    backs = picture("CARDBACK", card, false);
    mask = picture("CARDMASK", card, true);
    frame = picture("CARDFRAME", card, true);
    mark = picture("CARDMARK", {5, MarkHeight}, true);

    // White corners first, so that ANDing a picture later leaves the background there.
    for (QImage& face : faces)
        CombineCells(face, *this, 13, mask, TRasterOp::SrcPaint);
    CombineCells(backs, *this, CardBackCount, mask, TRasterOp::SrcPaint);
    if (drawBackFrame)
        CombineCells(backs, *this, CardBackCount, frame, TRasterOp::SrcPaint);
    // From now on the mask is white inside the outline, black in the corners.
    RasterBlit(mask, {0, 0}, mask, mask.rect(), TRasterOp::DstInvert, mask.rect());
}

void TCardImages::DrawCard(QImage& target, const TCard& card, const QRect& repaint,
                           QPoint origin) const
{
    if (card.Empty())
        return;
    const int x = card.X();
    const int y = card.Y();
    const int right = repaint.x() + repaint.width();
    const int bottom = repaint.y() + repaint.height();
    if (x < repaint.left() - CardWidth || y < repaint.top() - 100 || x > right ||
        y - MarkHeight > bottom)
        return;

    const QImage& strip = card.ShowCard() ? faces[card.Suit()] : backs;
    const QRect cell = Cell(card.ShowCard() ? int(card.Value()) : int(card.Back()));
    const QRect clip = DeviceRect(repaint, ratio).translated(origin);
    const QPoint at = origin + DevicePoint({x, y}, ratio);
    if (card.SelectedCard())
        RasterBlit2(target, at, mask, TRasterOp::SrcInvert, strip, cell, TRasterOp::SrcErase, clip);
    else
        RasterBlit2(target, at, mask, TRasterOp::SrcPaint, strip, cell, TRasterOp::SrcAnd, clip);
    if (card.Marked())
        RasterBlit(target, origin + DevicePoint({x, y - MarkHeight}, ratio), mark, mark.rect(),
                   TRasterOp::SrcInvert, clip);
}
