// The built help file, read by an independent reader.
#include "support/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

TEST(HelpFileTest, AnIndependentReaderExtractsEveryPageAndPictureUnchanged)
{
    // Every page, style sheet, contents and index among the help's sources, and every card
    // picture cut for it: its name inside the help file, and the file it came from.
    std::map<QString, QString> files;
    const QDir sources(QStringLiteral(ZELMO_HELP_SOURCE_DIR)), pictures(QStringLiteral(ZELMO_HELP_PICTURES_DIR));
    for (const QString& name : sources.entryList({"*.html", "*.css", "*.hhc", "*.hhk"}, QDir::Files))
        files[name] = sources.filePath(name);
    for (const QString& name : pictures.entryList({"*.png"}, QDir::Files))
        files["pictures/" + name] = pictures.filePath(name);
    ASSERT_GE(files.size(), 8u);
    QTemporaryDir out;
    QProcess extract;
    extract.start(QStringLiteral(EXTRACT_CHMLIB),
                  {QStringLiteral(ZELMO_HELP_FILE), out.filePath(QStringLiteral("x"))});
    ASSERT_TRUE(extract.waitForFinished(30000));
    ASSERT_EQ(extract.exitCode(), 0) << extract.readAllStandardError().toStdString();

    for (const auto& [name, source] : files) {
        const QByteArray extracted = FileBytes(out.filePath(QStringLiteral("x/") + name));
        EXPECT_FALSE(extracted.isEmpty()) << name.toStdString() << " was not extracted";
        EXPECT_EQ(extracted, FileBytes(source)) << name.toStdString() << " differs";
    }
}
