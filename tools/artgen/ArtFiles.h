#pragma once

#include "ArtSink.h"

#include <vector>

namespace art {

// Writes pictures below one folder and remembers them for the contact sheet.
class ArtFiles : public ArtSink {
public:
    explicit ArtFiles(QString outDir);

    // PNG keeps the image's own pixel format; a ".jpg" path is written as JPEG. At a
    // scale above 1 the file name gets the "@2x"-style suffix Qt's readers know.
    void add(const QString &path, const QImage &image) override;
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
