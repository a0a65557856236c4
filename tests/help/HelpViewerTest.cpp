// The help viewer over the built help file: pages, links, pictures, contents and
// index, history, and files it cannot read.
#include "Help.h"
#include "HelpChmLib.h"
#include "HelpWindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTreeWidget>
#include <QtEndian>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>

namespace {

const QString HelpFile = QStringLiteral(ZELMO_HELP_FILE);

std::string Text(const QString& s)
{
    return s.toStdString();
}

bool Holds(const TChmFile& file, const QString& object)
{
    return file.Read(object).Status == TChmFile::TObject::Ok;
}

// Stands in for the desktop's browser and mail program.
class TUrlRecorder : public QObject {
    Q_OBJECT
public:
    const QStringList Schemes{"https", "http", "mailto", "file"};
    TUrlRecorder()
    {
        for (const QString& scheme : Schemes) QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~TUrlRecorder() override
    {
        for (const QString& scheme : Schemes) QDesktopServices::unsetUrlHandler(scheme);
    }
    std::vector<QUrl> Opened;
public slots:
    void Open(const QUrl& url) { Opened.push_back(url); }
};

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
    QString Shown() const { return help->Window()->CurrentAddress(); }
    QString PageText() const { return help->Window()->Browser->toPlainText(); }

    std::unique_ptr<THtmlHelp> help = std::make_unique<THtmlHelp>(HelpFile);
};

} // namespace

// chmlib is loaded only when a page is asked for; a page is found by name, with or
// without a backslash, and an empty name is the start page.
TEST_F(HelpViewerTest, ChmLibComesWithTheFirstPageAndPagesAreFoundByName)
{
    EXPECT_FALSE(help->LibraryLoaded());
    EXPECT_EQ(help->Window(), nullptr);
    Show(QString());
    EXPECT_TRUE(help->LibraryLoaded());
    EXPECT_TRUE(help->Window()->isVisible());
    EXPECT_EQ(Shown(), HelpFile + "::/index.html");
    EXPECT_TRUE(PageText().contains(QStringLiteral("How to play with this program")));
    Show(QStringLiteral("\\round.html"));
    EXPECT_EQ(Shown(), HelpFile + "::/round.html");
    EXPECT_TRUE(PageText().contains(QStringLiteral("The circle phase")));
    // The heading is coloured by the style sheet inside the file.
    const QTextBlock heading = Show(QStringLiteral("mover.html")).Browser->document()->begin();
    ASSERT_EQ(heading.text(), "Mover");
    EXPECT_EQ(heading.charFormat().foreground().color(), QColor(0xa0, 0x10, 0x10));
}

TEST_F(HelpViewerTest, EveryPageReadsAndItsLinksAndPicturesAreInsideTheFile)
{
    THelpWindow& window = Show(QString());
    const TChmFile& file = window.File();
    QStringList pages = file.Files().filter(QStringLiteral(".html"));
    pages.sort();
    EXPECT_EQ(pages, QStringList({"/heap.html", "/index.html", "/mover.html", "/round.html"}));

    std::map<QString, std::set<QString>> anchors; // page -> the names on it
    std::vector<std::pair<QString, QUrl>> links;
    for (const QString& page : pages) {
        SCOPED_TRACE(Text(page));
        window.ShowAddress(THtmlHelp::Address(HelpFile, page));
        EXPECT_EQ(window.Browser->Problem(page), QString());
        EXPECT_FALSE(window.Browser->documentTitle().isEmpty());
        const QTextDocument& document = *window.Browser->document();
        const QUrl url = THelpBrowser::PageUrl(page);
        size_t pictures = 0;
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
                SCOPED_TRACE(Text(picture.toString()));
                ++pictures;
                EXPECT_EQ(picture.scheme(), "chm");
                EXPECT_TRUE(Holds(file, picture.path()));
                EXPECT_FALSE(document.resource(QTextDocument::ImageResource, picture).value<QImage>().isNull());
            }
        EXPECT_TRUE(page != QLatin1String("/round.html") || pictures >= 3) << pictures;
    }
    ASSERT_GT(links.size(), 10u);
    for (const auto& [from, link] : links) {
        SCOPED_TRACE(Text(from + " -> " + link.toString()));
        ASSERT_EQ(link.scheme(), "chm");
        EXPECT_TRUE(Holds(file, link.path()));
        EXPECT_TRUE(!link.hasFragment() || anchors[link.path()].count(link.fragment()));
    }
}

TEST_F(HelpViewerTest, ContentsAndIndexLeadToTheirPages)
{
    THelpWindow& window = Show(QString());
    QStringList top;
    for (int i = 0; i < window.Contents->topLevelItemCount(); ++i)
        top << window.Contents->topLevelItem(i)->text(0);
    EXPECT_EQ(top, QStringList({"Christmas Zelmo", "Mover", "Heap", "Round"}));
    EXPECT_EQ(window.Contents->currentItem(), window.Contents->topLevelItem(0))
        << "the page on show is selected";

    QTreeWidgetItem* round = window.Contents->topLevelItem(3);
    emit window.Contents->itemClicked(round, 0);
    EXPECT_EQ(Shown(), HelpFile + "::/round.html");
    ASSERT_GT(round->childCount(), 2);
    emit window.Contents->itemClicked(round->child(1), 0);
    EXPECT_EQ(window.Browser->source().fragment(), "circle");
    EXPECT_EQ(window.Contents->currentItem(), round->child(1));

    ASSERT_GT(window.Index->count(), 20);
    for (int row = 0; row < window.Index->count(); ++row) {
        const QString local = window.Index->item(row)->data(Qt::UserRole).toString();
        EXPECT_TRUE(Holds(window.File(), QUrl(local).path())) << Text(local);
    }
    window.IndexFilter->setText(QStringLiteral("moving"));
    int visible = 0;
    QListWidgetItem* moving = nullptr;
    for (int row = 0; row < window.Index->count(); ++row)
        if (!window.Index->item(row)->isHidden()) ++visible, moving = window.Index->item(row);
    ASSERT_EQ(visible, 1);
    emit window.Index->itemClicked(moving);
    EXPECT_EQ(Shown(), HelpFile + "::/mover.html");
    EXPECT_EQ(window.Browser->source().fragment(), "moving");
}

TEST_F(HelpViewerTest, BackAndForwardRetraceTheLinksFollowed)
{
    THelpWindow& window = Show(QString());
    EXPECT_FALSE(window.actBack->isEnabled());
    emit window.Browser->anchorClicked(THelpBrowser::PageUrl(QStringLiteral("heap.html")));
    EXPECT_EQ(Shown(), HelpFile + "::/heap.html");
    EXPECT_TRUE(window.actBack->isEnabled());

    window.actBack->trigger();
    EXPECT_EQ(Shown(), HelpFile + "::/index.html");
    EXPECT_TRUE(window.actForward->isEnabled());
    window.actForward->trigger();
    EXPECT_EQ(Shown(), HelpFile + "::/heap.html");
    window.actHome->trigger();
    EXPECT_EQ(Shown(), HelpFile + "::/index.html");
}

TEST_F(HelpViewerTest, WebAndMailLinksGoToTheDesktopAndThePageStays)
{
    THelpWindow& window = Show(QStringLiteral("heap.html"));
    TUrlRecorder desktop;
    const QUrl web(QStringLiteral("https://example.org/cards"));
    emit window.Browser->anchorClicked(web);
    window.Browser->setSource(QUrl(QStringLiteral("mailto:someone@example.org")));
    // A page cannot have a file of this computer opened.
    emit window.Browser->anchorClicked(QUrl(QStringLiteral("file:///usr/bin/xterm")));
    window.Browser->setSource(QUrl(QStringLiteral("file:///etc/passwd")));
    ASSERT_EQ(desktop.Opened.size(), 2u);
    EXPECT_EQ(desktop.Opened[0], web);
    EXPECT_EQ(desktop.Opened[1].scheme(), "mailto");
    EXPECT_EQ(Shown(), HelpFile + "::/heap.html");
}

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
// something for every page and neither crashes nor hangs.
TEST_F(HelpViewerTest, SpoiltBytesNeitherCrashNorHang)
{
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

#include "HelpViewerTest.moc"
