#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <map>

// Settings files written by hand in a folder of their own. Every file is a new one:
// QSettings caches a file by its size and time stamp, which two quick writes of the
// same length may share.
class TStoreFiles {
public:
    QString Path() const;
    // Moves on to a new file name and returns it.
    QString NextPath();
    QString Folder() const { return dir.path(); }
    // A new file of "[General]" and the lines as given, in their order.
    void Write(const QByteArray& lines) { WriteBytes("[General]\n" + lines); }
    void WriteBytes(const QByteArray& bytes);
    // What the current file holds, by name, as text.
    std::map<QString, QString> Stored() const;

private:
    QTemporaryDir dir;
    int generation = 0;
};

// Bytes no reader can make sense of, the same every run.
QByteArray Noise(int size, uint32_t seed);

// A new file of the bytes given; its path.
QString WriteFile(const QString& path, const QByteArray& bytes);

// The whole content of a file, empty when it cannot be read.
QByteArray FileBytes(const QString& path);
