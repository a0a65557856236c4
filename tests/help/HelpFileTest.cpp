// The built help file, read by an independent reader, and the card pictures in it.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files the project lists, with its contents and index files.
QStringList ProjectFiles()
{
    const QString project = QString::fromUtf8(ReadAll(ZELMO_HELP_SOURCE_DIR "/kelvash.hhp"));
    QStringList files;
    bool inFiles = false;
    for (QString line : project.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) inFiles = line == QLatin1String("[FILES]");
        else if (inFiles && !line.isEmpty()) files << line;
        const QRegularExpressionMatch sitemap =
            QRegularExpression(QStringLiteral("^(Contents|Index) file=(.+)$")).match(line);
        if (sitemap.hasMatch()) files << sitemap.captured(2);
    }
    return files;
}

QString SourceOf(const QString& file)
{
    return file.startsWith(QLatin1String("pictures/"))
               ? QStringLiteral(ZELMO_HELP_PICTURES_DIR "/") + file.mid(9)
               : QStringLiteral(ZELMO_HELP_SOURCE_DIR "/") + file;
}

} // namespace

TEST(HelpFileTest, AnIndependentReaderExtractsEveryPageAndPictureUnchanged)
{
    const QStringList files = ProjectFiles();
    ASSERT_GE(files.size(), 8);
    QTemporaryDir out;
    QProcess extract;
    extract.start(QStringLiteral(EXTRACT_CHMLIB),
                  {QStringLiteral(ZELMO_HELP_FILE), out.filePath(QStringLiteral("x"))});
    ASSERT_TRUE(extract.waitForFinished(30000));
    ASSERT_EQ(extract.exitCode(), 0) << extract.readAllStandardError().toStdString();

    for (const QString& file : files) {
        const QByteArray extracted = ReadAll(out.filePath(QStringLiteral("x/") + file));
        EXPECT_FALSE(extracted.isEmpty()) << file.toStdString() << " was not extracted";
        EXPECT_EQ(extracted, ReadAll(SourceOf(file))) << file.toStdString() << " differs";
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
