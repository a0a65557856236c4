#pragma once
#include <QImage>
#include <QPixmap>
#include <QString>

// The program's compiled-in pictures come at scales 1, 2 and 3 ("CLUBS.png",
// "CLUBS@2x.png", "CLUBS@3x.png"); larger scales are drawn on demand. A device pixel
// ratio is served by the scale at or next above it, so nothing is enlarged (up to a
// ratio of 8).
int ArtworkScale(qreal ratio);

// The resource name of a picture at a scale.
QString ArtworkPath(const QString& path, int scale);

// A picture at a whole scale, as shipped or as drawn; null when there is none.
QImage ArtworkImage(const QString& path, int scale);

// A picture drawn at a whole scale (as ArtworkScale chose it), for a device pixel ratio.
QImage ArtworkAtRatio(QImage image, int scale, qreal ratio);

// A picture for a device pixel ratio, carrying that ratio so that painters show it at
// its classic size. Between the drawn scales (1.25, 1.5, 2.5) the next scale up is
// scaled down smoothly. Null when the picture is missing.
QImage LoadArtwork(const QString& path, qreal ratio);

// The same for widgets, at the ratio of the application's screens.
QPixmap ArtworkPixmap(const QString& path);
