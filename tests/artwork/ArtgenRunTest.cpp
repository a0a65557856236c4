// artgen itself: two runs give the same bytes and the same set of files as the
// committed resources.
#include <QCryptographicHash>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <ranges>

namespace {

// relative path -> SHA-256 of the contents, for every file below dir.
std::map<QString, QByteArray> digests(const QString &dir)
{
    std::map<QString, QByteArray> out;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            out[QDir(dir).relativeFilePath(f.fileName())] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    return out;
}

void runArtgen(const QStringList &args)
{
    QProcess proc;
    proc.start(QStringLiteral(ZELMO_ARTGEN_PATH), args);
    ASSERT_TRUE(proc.waitForFinished(120000));
    EXPECT_TRUE(proc.exitStatus() == QProcess::NormalExit && proc.exitCode() == 0)
        << proc.readAllStandardError().toStdString();
}

TEST(Artgen, TwoRunsWriteByteIdenticalFilesMatchingTheCommittedSet)
{
    QTemporaryDir first, second, sheetDir;
    const QString sheet = sheetDir.filePath(QStringLiteral("sheet.png"));
    runArtgen({QStringLiteral("--out"), first.path(), QStringLiteral("--sheet"), sheet});
    runArtgen({QStringLiteral("--out"), second.path()});
    EXPECT_FALSE(QImage(sheet).isNull()) << "no contact sheet";

    const auto a = digests(first.path());
    EXPECT_GT(a.size(), 40u);
    EXPECT_EQ(a, digests(second.path()));
    const auto committed = digests(QStringLiteral(ZELMO_RESOURCES_DIR));
    EXPECT_TRUE(std::ranges::equal(std::views::keys(a), std::views::keys(committed)))
        << "resources/ is not what artgen writes";
}

} // namespace
