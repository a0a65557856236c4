#pragma once
#include "CardTypes.h"

#include <QImage>
#include <QRect>
#include <array>

class TCard;

// The card pictures of one board, prepared for drawing: face corners whitened by the
// mask, backs optionally framed, and the mask inverted into the working mask. They are
// made for the board's device pixel ratio: a cell holds CardWidth × ratio by
// CardHeight × ratio device pixels (rounded down), and the mask's and frame's corners
// are rounded at that size.
class TCardImages {
public:
    // Loads and prepares the eight pictures; throws std::runtime_error when one is missing.
    explicit TCardImages(bool drawBackFrame, qreal ratio = 1);

    // Draws one card into `target`, an image at this ratio whose logical (0, 0) lies at
    // device pixel `origin`, only inside `repaint` (logical pixels, as the card's position).
    void DrawCard(QImage& target, const TCard& card, const QRect& repaint,
                  QPoint origin = {}) const;

    qreal Ratio() const { return ratio; }
    const QImage& Face(TCardSuit suit) const { return faces[suit]; }
    const QImage& Backs() const { return backs; }
    const QImage& WorkingMask() const { return mask; }
    const QImage& Frame() const { return frame; }
    const QImage& Mark() const { return mark; }

    // Cell `index` of a strip, in device pixels.
    QRect Cell(int index) const { return {index * cellSize.width(), 0, cellSize.width(), cellSize.height()}; }

private:
    qreal ratio;
    QSize cellSize;
    std::array<QImage, 4> faces;
    QImage backs;
    QImage mask;
    QImage frame;
    QImage mark;
};

// A logical point, and the smallest device rectangle covering a logical rectangle, at
// a device pixel ratio.
QPoint DevicePoint(QPoint logical, qreal ratio);
QRect DeviceRect(const QRect& logical, qreal ratio);
