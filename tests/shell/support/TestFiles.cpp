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

void TStoreFiles::WriteBytes(const QByteArray& bytes)
{
    QFile file(NextPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

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

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
