#include "FuzzChecks.h"

#include <QFile>
#include <QTemporaryDir>

QString WriteInputFile(const QString& name, std::span<const uint8_t> bytes)
{
    // One folder for the whole run: a fuzzer writes hundreds of inputs a second.
    static const QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    const qint64 size = qint64(bytes.size());
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
    return written ? path : QString();
}
