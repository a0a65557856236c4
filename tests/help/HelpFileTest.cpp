// The built help file, read by an independent reader, and the card pictures in it.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every page, style sheet, contents and index among the help's sources, and every card
// picture cut for it: its name inside the help file, and the file it came from.
std::map<QString, QString> SourceFiles()
{
    std::map<QString, QString> files;
    const QDir sources(QStringLiteral(ZELMO_HELP_SOURCE_DIR)), pictures(QStringLiteral(ZELMO_HELP_PICTURES_DIR));
    for (const QString& name : sources.entryList({"*.html", "*.css", "*.hhc", "*.hhk"}, QDir::Files))
        files[name] = sources.filePath(name);
    for (const QString& name : pictures.entryList({"*.png"}, QDir::Files))
        files["pictures/" + name] = pictures.filePath(name);
    return files;
}

} // namespace

TEST(HelpFileTest, AnIndependentReaderExtractsEveryPageAndPictureUnchanged)
{
    const std::map<QString, QString> files = SourceFiles();
    ASSERT_GE(files.size(), 8u);
    QTemporaryDir out;
    QProcess extract;
    extract.start(QStringLiteral(EXTRACT_CHMLIB),
                  {QStringLiteral(ZELMO_HELP_FILE), out.filePath(QStringLiteral("x"))});
    ASSERT_TRUE(extract.waitForFinished(30000));
    ASSERT_EQ(extract.exitCode(), 0) << extract.readAllStandardError().toStdString();

    for (const auto& [name, source] : files) {
        const QByteArray extracted = ReadAll(out.filePath(QStringLiteral("x/") + name));
        EXPECT_FALSE(extracted.isEmpty()) << name.toStdString() << " was not extracted";
        EXPECT_EQ(extracted, ReadAll(source)) << name.toStdString() << " differs";
    }
}

// The pictures show the program's own cards: each card of the fanned suit appears where
// the list puts it, with the face of the right value.
TEST(HelpFileTest, CardPicturesAreCutFromTheProgramsOwnCards)
{
    const QImage ranks(QStringLiteral(ZELMO_HELP_PICTURES_DIR "/ranks.png"));
    const QImage hearts(QStringLiteral(ZELMO_CARD_IMAGES_DIR "/HEARTS.png"));
    const QImage mask(QStringLiteral(ZELMO_CARD_IMAGES_DIR "/CARDMASK.png"));
    ASSERT_FALSE(ranks.isNull());
    ASSERT_FALSE(hearts.isNull());
    constexpr int Margin = 8, Step = 26, CardWidth = 71, CardHeight = 96;
    // Six to King are cells 5 to 12 of the strip, the Ace cell 0.
    const int cells[] = {5, 6, 7, 8, 9, 10, 11, 12, 0};
    for (int k = 0; k < 9; ++k) {
        const int visible = k == 8 ? CardWidth : Step;
        int compared = 0;
        for (int y = 0; y < CardHeight; ++y)
            for (int x = 0; x < visible; ++x) {
                if (qGray(mask.pixel(x, y)) > 127) continue; // a rounded corner
                ++compared;
                ASSERT_EQ(ranks.pixel(Margin + k * Step + x, Margin + y) & 0xFFFFFF,
                          hearts.pixel(cells[k] * CardWidth + x, y) & 0xFFFFFF)
                    << "card " << k << " at " << x << "," << y;
            }
        EXPECT_GT(compared, visible * CardHeight * 9 / 10);
    }
}
