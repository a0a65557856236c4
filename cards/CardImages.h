#pragma once
#include "CardTypes.h"

#include <QImage>
#include <QRect>
#include <array>

class TCard;

// The card pictures of one board, prepared for drawing: face corners whitened by the
// mask, backs optionally framed, and the mask inverted into the working mask.
class TCardImages {
public:
    // Loads and prepares the eight pictures; throws std::runtime_error when one is missing.
    explicit TCardImages(bool drawBackFrame);

    // Draws one card into `target`, only inside `repaint`.
    void DrawCard(QImage& target, const TCard& card, const QRect& repaint) const;

    const QImage& Face(TCardSuit suit) const { return faces[suit]; }
    const QImage& Backs() const { return backs; }
    const QImage& WorkingMask() const { return mask; }
    const QImage& Frame() const { return frame; }
    const QImage& Mark() const { return mark; }

    static QRect Cell(int index) { return {index * CardWidth, 0, CardWidth, CardHeight}; }

private:
    std::array<QImage, 4> faces;
    QImage backs;
    QImage mask;
    QImage frame;
    QImage mark;
};
