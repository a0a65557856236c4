#include "RasterOps.h"

#include <cstdint>

namespace {

constexpr uint32_t Opaque = 0xFF000000u;

// Calls `f` with the operation as a function object, so that each loop is compiled for
// one operation.
template <typename F> void WithOp(TRasterOp op, F f)
{
    switch (op) {
    case TRasterOp::SrcCopy: f([](uint32_t, uint32_t s) { return s; }); break;
    case TRasterOp::SrcPaint: f([](uint32_t d, uint32_t s) { return d | s; }); break;
    case TRasterOp::SrcAnd: f([](uint32_t d, uint32_t s) { return d & s; }); break;
    case TRasterOp::SrcInvert: f([](uint32_t d, uint32_t s) { return d ^ s; }); break;
    case TRasterOp::SrcErase: f([](uint32_t d, uint32_t s) { return s & ~d; }); break;
    case TRasterOp::DstInvert: f([](uint32_t d, uint32_t) { return ~d; }); break;
    }
}

// One source placed so that src(x - at) maps onto dst(x).
struct TSource {
    const QImage& image;
    QPoint at;
    const uint32_t* Row(int y) const
    {
        return reinterpret_cast<const uint32_t*>(image.constScanLine(y - at.y())) - at.x();
    }
};

// Both operations row by row, so that a row is still in the cache for the second.
template <typename First, typename Second>
void Blend(QImage& dst, QRect area, TSource a, First first, TSource b, Second second)
{
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* d = reinterpret_cast<uint32_t*>(dst.scanLine(row));
        const uint32_t* sa = a.Row(row);
        const uint32_t* sb = b.Row(row);
        for (int col = area.left(); col <= area.right(); ++col)
            d[col] = second(first(d[col], sa[col]), sb[col]) | Opaque;
    }
}

// The destination area of a source rectangle placed at `at`, clipped.
QRect Area(const QImage& dst, QPoint at, const QRect& srcRect, const QRect& clip)
{
    return QRect(at, srcRect.size()) & clip & dst.rect();
}

} // namespace

void RasterBlit(QImage& dst, QPoint at, const QImage& src, const QRect& srcRect, TRasterOp op,
                const QRect& clip)
{
    const QRect area = Area(dst, at, srcRect, clip);
    if (area.isEmpty())
        return;
    const TSource source{src, at - srcRect.topLeft()};
    WithOp(op, [&](auto f) {
        Blend(dst, area, source, f, source, [](uint32_t d, uint32_t) { return d; });
    });
}

void RasterBlit2(QImage& dst, QPoint at, const QImage& first, TRasterOp firstOp,
                 const QImage& second, const QRect& secondRect, TRasterOp secondOp,
                 const QRect& clip)
{
    const QRect area = Area(dst, at, secondRect, clip) & QRect(at, first.size());
    if (area.isEmpty())
        return;
    const TSource a{first, at};
    const TSource b{second, at - secondRect.topLeft()};
    WithOp(firstOp, [&](auto f) {
        WithOp(secondOp, [&](auto g) { Blend(dst, area, a, f, b, g); });
    });
}
