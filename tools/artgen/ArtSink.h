#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace art {

// One finished picture: where it goes below the output folder and what it is.
struct Artwork {
    QString path;
    QImage image;
};

// Writes pictures below one folder and remembers them for the contact sheet.
class ArtSink {
public:
    explicit ArtSink(QString outDir);

    // PNG keeps the image's own pixel format; a ".jpg" path is written as JPEG. At a
    // scale above 1 the file name gets the "@2x"-style suffix Qt's readers know.
    void add(const QString &path, const QImage &image);
    void setScale(int scale) { m_scale = scale; }

    // The pictures written at scale 1.
    const std::vector<Artwork> &all() const { return m_all; }
    bool ok() const { return m_ok; }

private:
    QString m_outDir;
    std::vector<Artwork> m_all;
    int m_scale = 1;
    bool m_ok = true;
};

} // namespace art
