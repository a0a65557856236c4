#include "Artifacts.h"

#include <QDir>

QString SaveArtifact(const QImage& image, const QString& name)
{
    const QString dir = qEnvironmentVariable("ZELMO_ARTIFACTS_DIR", QStringLiteral(ZELMO_ARTIFACTS_DIR));
    if (dir.isEmpty())
        return {};
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(name);
    return image.save(path) ? path : QString();
}
