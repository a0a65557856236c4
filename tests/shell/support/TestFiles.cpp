#include "TestFiles.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

QString TStoreFiles::Path() const
{
    return dir.filePath(QStringLiteral("Zelmo %1.conf").arg(generation));
}

QString TStoreFiles::NextPath()
{
    ++generation;
    return Path();
}

void TStoreFiles::WriteBytes(const QByteArray& bytes) { WriteFile(NextPath(), bytes); }

std::map<QString, QString> TStoreFiles::Stored() const
{
    QSettings store(Path(), QSettings::IniFormat);
    std::map<QString, QString> values;
    for (const QString& key : store.allKeys())
        values[key] = store.value(key).toString();
    return values;
}

QByteArray Noise(int size, uint32_t seed)
{
    QByteArray noise(size, Qt::Uninitialized);
    for (char& c : noise)
        c = char((seed = seed * 134775813 + 1) >> 24);
    return noise;
}

QString WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    return path;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
