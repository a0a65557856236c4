#pragma once
#include "Pile.h"

#include <QPoint>

// Where a ring of cards lies: the centre of its ellipse and its two radii.
struct TRingGeometry {
    int X = 0;
    int Y = 0;
    int RadiusX = 0;
    int RadiusY = 0;

    static TRingGeometry Of(const TPile& ring);
    bool operator==(const TRingGeometry&) const = default;

    // A card's corner at corner, carried to the same place on the ring to.
    QPoint Carry(QPoint corner, const TRingGeometry& to) const;
};

// A ring whose cards keep the places they were put in (poNone) leaves them behind when
// the ring itself moves: carries its cards, their targets and its free places over from
// where the ring lay before.
void FollowRing(TPile& ring, const TRingGeometry& from);
