#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>

// Boolean pixel combinations on 32-bit RGB images, the way card pictures are
// composed: masks make corners transparent, XOR draws the hint highlight and mark.
enum class TRasterOp {
    SrcCopy,  // dst = src
    SrcPaint, // dst = dst | src
    SrcAnd,   // dst = dst & src
    SrcInvert,// dst = dst ^ src
    SrcErase, // dst = src & ~dst
    DstInvert // dst = ~dst
};

// Combines the srcRect part of src into dst at `at`, only inside clip. Both images are
// Format_RGB32; the alpha byte of the result stays opaque.
void RasterBlit(QImage& dst, QPoint at, const QImage& src, const QRect& srcRect, TRasterOp op,
                const QRect& clip);

// Two blits in one pass: all of `first` (one card cell) by `firstOp`, then the
// secondRect part of `second` by `secondOp`, both at `at`.
void RasterBlit2(QImage& dst, QPoint at, const QImage& first, TRasterOp firstOp,
                 const QImage& second, const QRect& secondRect, TRasterOp secondOp,
                 const QRect& clip);
