#include "RingGeometry.h"

#include "Card.h"

namespace {

// A card lies on the ring with its centre; its corner is this far from the centre.
constexpr int HalfWidth = 35;
constexpr int HalfHeight = 48;

int CarryAxis(int corner, int half, int fromCentre, int fromRadius, int toCentre, int toRadius)
{
    const int offset = corner + half - fromCentre;
    const int scaled = fromRadius > 0 ? offset * toRadius / fromRadius : offset;
    return toCentre + scaled - half;
}

} // namespace

TRingGeometry TRingGeometry::Of(const TPile& ring)
{
    return {ring.X(), ring.Y(), ring.PileW(), ring.PileH()};
}

QPoint TRingGeometry::Carry(QPoint corner, const TRingGeometry& to) const
{
    return {CarryAxis(corner.x(), HalfWidth, X, RadiusX, to.X, to.RadiusX),
            CarryAxis(corner.y(), HalfHeight, Y, RadiusY, to.Y, to.RadiusY)};
}

void FollowRing(TPile& ring, const TRingGeometry& from)
{
    const TRingGeometry to = TRingGeometry::Of(ring);
    // A ring still spread by its layout has been laid out again already.
    if (ring.Orientation() != poNone || to == from)
        return;
    for (QPoint& place : ring.FreePlaces)
        place = from.Carry(place, to);
    for (TCard* card : ring.Cards()) {
        if (card->Moving) {
            const QPoint target = from.Carry({card->TargetX, card->TargetY}, to);
            card->TargetX = target.x();
            card->TargetY = target.y();
        } else {
            const QPoint place = from.Carry({card->X(), card->Y()}, to);
            card->SetPos(place.x(), place.y());
        }
    }
}
