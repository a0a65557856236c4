#include "ArtFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>

namespace art {

namespace {
// Fixed so that two runs give the same bytes.
constexpr int kJpegQuality = 92;
} // namespace

ArtFiles::ArtFiles(QString outDir) : m_outDir(std::move(outDir)) {}

void ArtFiles::add(const QString &path, const QImage &image)
{
    QString scaled = path;
    if (m_scale > 1)
        scaled.insert(path.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(m_scale));
    const QString file = QDir(m_outDir).filePath(scaled);
    QDir().mkpath(QFileInfo(file).absolutePath());
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    QImageWriter writer(file, jpeg ? "jpeg" : "png");
    if (jpeg)
        writer.setQuality(kJpegQuality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "artgen: cannot write %s: %s\n", qPrintable(file),
                     qPrintable(writer.errorString()));
        m_ok = false;
    }
    if (m_scale == 1)
        m_all.push_back({path, image});
}

} // namespace art
