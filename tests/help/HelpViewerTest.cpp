// The help viewer over the built help file: its links, pictures, contents, index and
// history, and pages or files it cannot read.
#include "Help.h"
#include "HelpWindow.h"
#include "support/TestFiles.h"

#include <QtWidgets>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>

namespace {

const QString HelpFile = QStringLiteral(ZELMO_HELP_FILE);

class HelpViewerTest : public ::testing::Test {
protected:
    THelpWindow& Show(const QString& page)
    {
        EXPECT_TRUE(help->ShowPage(page));
        return *help->Window();
    }
    QString PageText() const { return help->Window()->Browser->toPlainText(); }
    QString Shown() const { return help->Window()->CurrentAddress().mid(HelpFile.size()); }
    bool Holds(const QString& object) const
    {
        return help->Window()->File().Read(object).Status == TChmFile::TObject::Ok;
    }

    std::unique_ptr<THtmlHelp> help = std::make_unique<THtmlHelp>(HelpFile);
};

} // namespace

// Every page's links lead to a page of the file and a place on it; its pictures are in
// the file too, and show.
TEST_F(HelpViewerTest, EveryLinkAndPictureOfEveryPageIsInsideTheFile)
{
    THelpWindow& window = Show(QString());
    QStringList pages = window.File().Files().filter(QStringLiteral(".html"));
    pages.sort();
    EXPECT_EQ(pages, QStringList({"/heap.html", "/index.html", "/mover.html", "/round.html"}));
    std::map<QString, std::set<QString>> anchors; // page -> the names of places on it
    std::vector<std::pair<QString, QUrl>> links;
    for (const QString& page : pages) {
        window.ShowAddress(THtmlHelp::Address(HelpFile, page));
        const QTextDocument& document = *window.Browser->document();
        const QUrl url = THelpBrowser::PageUrl(page);
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                for (const QString& name : format.anchorNames())
                    anchors[page].insert(name);
                if (format.isAnchor() && !format.anchorHref().isEmpty())
                    links.emplace_back(page, url.resolved(QUrl(format.anchorHref())));
                if (!format.isImageFormat())
                    continue;
                const QUrl picture = url.resolved(QUrl(format.toImageFormat().name()));
                // The browser takes its pictures from the file alone.
                const QVariant shown = document.resource(QTextDocument::ImageResource, picture);
                EXPECT_FALSE(shown.value<QImage>().isNull()) << picture.toString().toStdString();
            }
    }
    ASSERT_GT(links.size(), 10u);
    for (const auto& [from, link] : links) {
        SCOPED_TRACE((from + " -> " + link.toString()).toStdString());
        EXPECT_TRUE(Holds(link.path()));
        EXPECT_TRUE(!link.hasFragment() || anchors[link.path()].count(link.fragment()));
    }
}

// The contents as a tree, the index with its sub-entries and filter, and Back and
// Forward over the pages shown.
TEST_F(HelpViewerTest, ContentsIndexAndHistoryLeadToTheirPages)
{
    THelpWindow& window = Show(QString());
    QStringList top;
    for (int i = 0; i < window.Contents->topLevelItemCount(); ++i)
        top << window.Contents->topLevelItem(i)->text(0);
    EXPECT_EQ(top, QStringList({"Christmas Zelmo", "Mover", "Heap", "Round"}));
    QTreeWidgetItem* round = window.Contents->topLevelItem(3);
    ASSERT_GT(round->childCount(), 2);
    emit window.Contents->itemClicked(round->child(1), 0);
    EXPECT_EQ(Shown(), "::/round.html");
    EXPECT_EQ(window.Browser->source().fragment(), "circle");
    EXPECT_EQ(window.Contents->currentItem(), round->child(1)) << "the place shown is selected";

    int subEntries = 0;
    for (int row = 0; row < window.Index->count(); ++row) {
        const QString local = window.Index->item(row)->data(Qt::UserRole).toString();
        EXPECT_TRUE(Holds(QUrl(local).path())) << local.toStdString();
        subEntries += window.Index->item(row)->text().startsWith(QStringLiteral("    "));
    }
    EXPECT_GT(subEntries, 0);
    window.IndexFilter->setText(QStringLiteral("MOVING")); // the entry says "moving"
    QList<QListWidgetItem*> visible = window.Index->findItems("*", Qt::MatchWildcard);
    visible.removeIf([](const QListWidgetItem* item) { return item->isHidden(); });
    ASSERT_EQ(visible.size(), 1);
    emit window.Index->itemClicked(visible.front());
    EXPECT_EQ(Shown(), "::/mover.html");
    EXPECT_EQ(window.Browser->source().fragment(), "moving");

    // Back, Back, Forward, Forward and Home after round, mover and heap: the page each
    // comes to, and whether Forward is then offered.
    emit window.Browser->anchorClicked(THelpBrowser::PageUrl(QStringLiteral("heap.html")));
    using TStep = std::tuple<QAction*, const char*, bool>;
    for (const auto& [action, page, forward] : {TStep{window.actBack, "mover", true},
             TStep{window.actBack, "round", true}, TStep{window.actForward, "mover", true},
             TStep{window.actForward, "heap", false}, TStep{window.actHome, "index", false}}) {
        action->trigger();
        EXPECT_EQ(Shown(), QStringLiteral("::/%1.html").arg(QLatin1String(page)));
        EXPECT_EQ(window.actForward->isEnabled(), forward) << page;
    }
}

// A page missing from a good file or coming out of it blank, or a help file that is not
// there, empty, cut short, not a help file at all or spoilt anywhere, is reported in the
// window in one sentence; the viewer goes on working, and neither crashes nor hangs.
TEST_F(HelpViewerTest, PagesAndFilesItCannotReadAreReportedInTheWindow)
{
    const THelpWindow& fine = Show(QStringLiteral("rules-of-thumb.html"));
    EXPECT_EQ(PageText().trimmed(),
              QStringLiteral("The page rules-of-thumb.html is not in the help file %1.").arg(HelpFile));
    EXPECT_GT(fine.Contents->topLevelItemCount(), 0) << "the file itself is fine";
    // The file's own empty bookkeeping object stands for a page that came out blank.
    fine.Browser->setSource(THelpBrowser::PageUrl(QStringLiteral("#ITBITS")));
    const QString damaged = QStringLiteral("is damaged and cannot be read.");
    EXPECT_EQ(PageText().trimmed(), "The help file " + HelpFile + ' ' + damaged);
    Show(QStringLiteral("mover.html"));
    EXPECT_TRUE(PageText().contains(QStringLiteral("Moving the table")));

    const QByteArray whole = FileBytes(HelpFile);
    ASSERT_GT(whole.size(), 4096);
    QTemporaryDir dir;
    std::vector<std::pair<QString, QString>> cases{ // file, how its sentence ends
        {dir.filePath(QStringLiteral("absent.chm")), QStringLiteral("could not be found.")},
        {WriteFile(dir.filePath("empty.chm"), {}), QStringLiteral("is empty.")},
        {WriteFile(dir.filePath("text.chm"), QByteArray(200, 'x')), damaged},
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
    cases.emplace_back(WriteFile(dir.filePath("looped.chm"), looped), damaged);
    // Cut short anywhere: in the header, in the directory, in the pages.
    for (const qsizetype length : {qsizetype(3), qsizetype(0x60), qsizetype(0x70), qsizetype(0x200),
                                   whole.size() / 3, whole.size() / 2, whole.size() - 1})
        cases.emplace_back(
            WriteFile(dir.filePath(QStringLiteral("cut-%1.chm").arg(length)), whole.left(length)),
            damaged);

    for (const auto& [file, ending] : cases) {
        SCOPED_TRACE(file.toStdString());
        THtmlHelp broken(file);
        ASSERT_TRUE(broken.ShowPage(QStringLiteral("mover.html")));
        const QString shown = broken.Window()->Browser->toPlainText().trimmed();
        EXPECT_TRUE(shown.startsWith("The help file " + file)) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(ending)) << shown.toStdString();
        EXPECT_EQ(shown.count(QLatin1Char('.')) - file.count(QLatin1Char('.')), 1) << "one sentence";
        EXPECT_EQ(broken.Window()->Contents->topLevelItemCount(), 0);
        EXPECT_TRUE(broken.ShowPage(QString())) << "asking again is harmless";
    }

    // Once the file is there, the same viewer reads it.
    THtmlHelp waiting(dir.filePath(QStringLiteral("late.chm")));
    waiting.ShowPage(QStringLiteral("heap.html"));
    WriteFile(dir.filePath("late.chm"), whole);
    waiting.ShowPage(QStringLiteral("heap.html"));
    EXPECT_TRUE(waiting.Window()->Browser->toPlainText().contains(QStringLiteral("The heap")));

    // Bytes spoilt, the length kept: whatever chmlib makes of them, every page shows
    // something. Half of the rounds hit the header and directory, where chmlib finds its way.
    QRandomGenerator random(20231224);
    for (int round = 0; round < 30; ++round) {
        QByteArray bytes = whole;
        const int reach = round % 2 ? int(bytes.size()) : 0x2000;
        for (int n = 1 + round % 8; n > 0; --n)
            bytes[random.bounded(reach)] = char(random.bounded(256));
        THtmlHelp spoilt(WriteFile(dir.filePath("spoilt.chm"), bytes));
        for (const char* page : {"", "index.html", "mover.html", "heap.html", "round.html"}) {
            ASSERT_TRUE(spoilt.ShowPage(QString::fromLatin1(page)));
            EXPECT_FALSE(spoilt.Window()->Browser->toPlainText().trimmed().isEmpty())
                << "round " << round << " page " << page;
        }
    }
}
