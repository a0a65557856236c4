#pragma once

#include <QImage>
#include <QString>

namespace art {

// One finished picture: where it goes below the output folder and what it is.
struct Artwork {
    QString path;
    QImage image;
};

// Where the drawing code hands its finished pictures: files for artgen, memory for the
// game when it draws a scale it does not ship.
class ArtSink {
public:
    virtual ~ArtSink() = default;
    virtual void add(const QString &path, const QImage &image) = 0;
};

} // namespace art
