#include "RasterOps.h"

#include <cstdint>

namespace {

constexpr uint32_t Opaque = 0xFF000000u;

template <typename Op> void Blend(QImage& dst, QPoint at, const QImage& src, QRect area, Op op)
{
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* d = reinterpret_cast<uint32_t*>(dst.scanLine(row));
        const auto* s = reinterpret_cast<const uint32_t*>(src.constScanLine(row - at.y()));
        for (int col = area.left(); col <= area.right(); ++col)
            d[col] = op(d[col], s[col - at.x()]) | Opaque;
    }
}

} // namespace

void RasterBlit(QImage& dst, QPoint at, const QImage& src, const QRect& srcRect, TRasterOp op,
                const QRect& clip)
{
    // The destination area, clipped; `at` is re-based so that src(x - at) maps onto dst(x).
    QRect area = QRect(at, srcRect.size()) & clip & dst.rect();
    if (area.isEmpty())
        return;
    const QPoint origin = at - srcRect.topLeft();
    switch (op) {
    case TRasterOp::SrcCopy: Blend(dst, origin, src, area, [](uint32_t, uint32_t s) { return s; }); break;
    case TRasterOp::SrcPaint: Blend(dst, origin, src, area, [](uint32_t d, uint32_t s) { return d | s; }); break;
    case TRasterOp::SrcAnd: Blend(dst, origin, src, area, [](uint32_t d, uint32_t s) { return d & s; }); break;
    case TRasterOp::SrcInvert: Blend(dst, origin, src, area, [](uint32_t d, uint32_t s) { return d ^ s; }); break;
    case TRasterOp::SrcErase: Blend(dst, origin, src, area, [](uint32_t d, uint32_t s) { return s & ~d; }); break;
    case TRasterOp::DstInvert: Blend(dst, origin, src, area, [](uint32_t d, uint32_t) { return ~d; }); break;
    }
}
