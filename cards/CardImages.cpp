#include "CardImages.h"

#include "Card.h"
#include "RasterOps.h"

#include <stdexcept>

namespace {

QImage LoadPicture(const char* name)
{
    QImage image(QStringLiteral(":/cards/%1.png").arg(QLatin1String(name)));
    if (image.isNull())
        throw std::runtime_error(std::string("Card picture missing: ") + name);
    return image.convertToFormat(QImage::Format_RGB32);
}

// Applies one operation of a 71 x 96 picture onto every listed cell of a strip.
void CombineCells(QImage& strip, int cells, const QImage& cellPicture, TRasterOp op)
{
    for (int i = 0; i < cells; ++i)
        RasterBlit(strip, TCardImages::Cell(i).topLeft(), cellPicture, cellPicture.rect(), op,
                   strip.rect());
}

} // namespace

TCardImages::TCardImages(bool drawBackFrame)
    : faces{LoadPicture("CLUBS"), LoadPicture("DIAMONDS"), LoadPicture("HEARTS"),
            LoadPicture("SPADES")},
      backs(LoadPicture("CARDBACK")), mask(LoadPicture("CARDMASK")),
      frame(LoadPicture("CARDFRAME")), mark(LoadPicture("CARDMARK"))
{
    // White corners first, so that ANDing a picture later leaves the background there.
    for (QImage& face : faces)
        CombineCells(face, 13, mask, TRasterOp::SrcPaint);
    CombineCells(backs, CardBackCount, mask, TRasterOp::SrcPaint);
    if (drawBackFrame)
        CombineCells(backs, CardBackCount, frame, TRasterOp::SrcPaint);
    // From now on the mask is white inside the outline, black in the corners.
    RasterBlit(mask, {0, 0}, mask, mask.rect(), TRasterOp::DstInvert, mask.rect());
}

void TCardImages::DrawCard(QImage& target, const TCard& card, const QRect& repaint) const
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
    const QPoint at(x, y);
    if (card.SelectedCard()) {
        RasterBlit(target, at, mask, mask.rect(), TRasterOp::SrcInvert, repaint);
        RasterBlit(target, at, strip, cell, TRasterOp::SrcErase, repaint);
    } else {
        RasterBlit(target, at, mask, mask.rect(), TRasterOp::SrcPaint, repaint);
        RasterBlit(target, at, strip, cell, TRasterOp::SrcAnd, repaint);
    }
    if (card.Marked())
        RasterBlit(target, {x, y - MarkHeight}, mark, mark.rect(), TRasterOp::SrcInvert, repaint);
}
