// artgen itself: two runs give the same bytes and the same set of files as
// the committed resources.
#include "ArtworkTestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace artwork_test;

namespace {

// relative path -> SHA-256 of the contents, for every file below dir.
std::map<QString, QByteArray> digests(const QString &dir)
{
    std::map<QString, QByteArray> out;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile f(file);
        if (f.open(QIODevice::ReadOnly))
            out[QDir(dir).relativeFilePath(file)] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    return out;
}

bool runArtgen(const QStringList &args, QString *error)
{
    QProcess proc;
    proc.start(QStringLiteral(ZELMO_ARTGEN_PATH), args);
    const bool finished = proc.waitForFinished(120000);
    *error = QString::fromLocal8Bit(proc.readAllStandardError());
    return finished && proc.exitStatus() == QProcess::NormalExit && proc.exitCode() == 0;
}

TEST(Artgen, TwoRunsWriteByteIdenticalFilesMatchingTheCommittedSet)
{
    QTemporaryDir first, second, sheetDir;
    ASSERT_TRUE(first.isValid() && second.isValid() && sheetDir.isValid());
    QString error;
    const QString sheet = sheetDir.filePath(QStringLiteral("sheet.png"));
    ASSERT_TRUE(runArtgen({QStringLiteral("--out"), first.path(), QStringLiteral("--sheet"), sheet}, &error))
        << error.toStdString();
    ASSERT_TRUE(runArtgen({QStringLiteral("--out"), second.path()}, &error)) << error.toStdString();
    EXPECT_FALSE(QImage(sheet).isNull()) << "no contact sheet";

    const auto a = digests(first.path()), b = digests(second.path());
    EXPECT_GT(a.size(), 40u);
    EXPECT_EQ(a, b);

    QStringList generated, committed;
    for (const auto &[path, _] : a)
        generated << path;
    for (const auto &[path, _] : digests(QStringLiteral(ZELMO_RESOURCES_DIR)))
        committed << path;
    EXPECT_EQ(generated, committed) << "resources/ is not what artgen writes";
}

} // namespace
