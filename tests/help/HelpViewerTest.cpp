// The help viewer over the built help file when pages or the file itself cannot be
// read.
#include "Help.h"
#include "HelpWindow.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString HelpFile = QStringLiteral(ZELMO_HELP_FILE);

std::string Text(const QString& s)
{
    return s.toStdString();
}

QByteArray GoodBytes()
{
    QFile file(HelpFile);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QString Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

class HelpViewerTest : public ::testing::Test {
protected:
    THelpWindow& Show(const QString& page)
    {
        EXPECT_TRUE(help->ShowPage(page));
        return *help->Window();
    }
    QString PageText() const { return help->Window()->Browser->toPlainText(); }

    std::unique_ptr<THtmlHelp> help = std::make_unique<THtmlHelp>(HelpFile);
};

} // namespace

// A page missing from a good file, or a help file that is not there, empty, cut short or
// not a help file at all, is reported in the window in one sentence, and the viewer goes
// on working.
TEST_F(HelpViewerTest, PagesAndFilesItCannotReadAreReportedInTheWindow)
{
    const THelpWindow& fine = Show(QStringLiteral("rules-of-thumb.html"));
    EXPECT_EQ(PageText().trimmed(),
              QStringLiteral("The page rules-of-thumb.html is not in the help file %1.").arg(HelpFile));
    EXPECT_GT(fine.Contents->topLevelItemCount(), 0) << "the file itself is fine";
    Show(QStringLiteral("mover.html"));
    EXPECT_TRUE(PageText().contains(QStringLiteral("Moving the table")));

    const QByteArray whole = GoodBytes();
    ASSERT_GT(whole.size(), 4096);
    QTemporaryDir dir;
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        return Write(dir.filePath(name), bytes);
    };
    const QString damaged = QStringLiteral("is damaged and cannot be read.");
    std::vector<std::pair<QString, QString>> cases{ // file, how its sentence ends
        {dir.filePath(QStringLiteral("absent.chm")), QStringLiteral("could not be found.")},
        {write(QStringLiteral("empty.chm"), {}), QStringLiteral("is empty.")},
        {write(QStringLiteral("text.chm"), QByteArray(200, 'x')), damaged},
    };
    // Its directory's index leading back to itself: chmlib would search it for ever, on
    // opening the file already.
    QByteArray looped = whole;
    const quint64 directoryAt = qFromLittleEndian<quint64>(looped.constData() + 0x48);
    qToLittleEndian<qint32>(0, looped.data() + directoryAt + 0x1C);
    const QByteArray selfIndex("\x01/\x00", 3);
    QByteArray chunk = "PMGI" + QByteArray(4, '\0') + selfIndex;
    qToLittleEndian<quint32>(quint32(4096 - 8 - selfIndex.size()), chunk.data() + 4);
    looped.replace(qsizetype(directoryAt + 0x54), chunk.size(), chunk);
    cases.emplace_back(write(QStringLiteral("looped.chm"), looped), damaged);
    // Cut short anywhere: in the header, in the directory, in the pages.
    for (const qsizetype length : {qsizetype(3), qsizetype(0x60), qsizetype(0x70), qsizetype(0x200),
                                   whole.size() / 3, whole.size() / 2, whole.size() - 1})
        cases.emplace_back(write(QStringLiteral("cut-%1.chm").arg(length), whole.left(length)), damaged);

    for (const auto& [file, ending] : cases) {
        SCOPED_TRACE(Text(file));
        THtmlHelp broken(file);
        ASSERT_TRUE(broken.ShowPage(QStringLiteral("mover.html")));
        const QString shown = broken.Window()->Browser->toPlainText().trimmed();
        EXPECT_TRUE(shown.startsWith(QStringLiteral("The help file ") + file)) << Text(shown);
        EXPECT_TRUE(shown.endsWith(ending)) << Text(shown);
        EXPECT_EQ(shown.count(QLatin1Char('.')) - file.count(QLatin1Char('.')), 1) << "one sentence";
        EXPECT_EQ(broken.Window()->Contents->topLevelItemCount(), 0);
        EXPECT_TRUE(broken.ShowPage(QString())) << "asking again is harmless";
    }

    // Once the file is there, the same viewer reads it.
    THtmlHelp waiting(dir.filePath(QStringLiteral("late.chm")));
    waiting.ShowPage(QStringLiteral("heap.html"));
    write(QStringLiteral("late.chm"), whole);
    waiting.ShowPage(QStringLiteral("heap.html"));
    EXPECT_TRUE(waiting.Window()->Browser->toPlainText().contains(QStringLiteral("The heap")));
}

// Bytes spoilt anywhere, the length kept: whatever chmlib makes of it, the viewer shows
// something for every page, a sentence where the page came out blank, and neither
// crashes nor hangs.
TEST_F(HelpViewerTest, SpoiltBytesNeitherCrashNorHang)
{
    // The file's own empty bookkeeping object stands for a page that came out blank.
    Show(QString()).Browser->setSource(THelpBrowser::PageUrl(QStringLiteral("#ITBITS")));
    EXPECT_EQ(PageText().trimmed(),
              QStringLiteral("The help file %1 is damaged and cannot be read.").arg(HelpFile));

    const QByteArray whole = GoodBytes();
    QTemporaryDir dir;
    QRandomGenerator random(20231224);
    for (int round = 0; round < 30; ++round) {
        QByteArray bytes = whole;
        // Half of the rounds hit the header and directory, where chmlib finds its way.
        const int reach = round % 2 ? int(bytes.size()) : 0x2000;
        for (int n = 1 + round % 8; n > 0; --n)
            bytes[random.bounded(reach)] = char(random.bounded(256));
        THtmlHelp spoilt(Write(dir.filePath(QStringLiteral("spoilt.chm")), bytes));
        for (const char* page : {"", "index.html", "mover.html", "heap.html", "round.html"}) {
            ASSERT_TRUE(spoilt.ShowPage(QString::fromLatin1(page)));
            EXPECT_FALSE(spoilt.Window()->Browser->toPlainText().trimmed().isEmpty())
                << "round " << round << " page " << page;
        }
    }
}

