// The help viewer over the built help file: pages, links, pictures, contents and
// index, history, and files it cannot read.
#include "Artifacts.h"
#include "Help.h"
#include "HelpChmLib.h"
#include "HelpWindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
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

// Every link and picture of a document, resolved against the page it is on.
struct TReferences {
    std::vector<QUrl> Links;
    std::vector<QUrl> Pictures;
    std::set<QString> Anchors;
};

TReferences ReferencesOf(const QTextDocument& document, const QUrl& page)
{
    TReferences refs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                refs.Anchors.insert(name);
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                refs.Links.push_back(page.resolved(QUrl(format.anchorHref())));
            if (format.isImageFormat())
                refs.Pictures.push_back(page.resolved(QUrl(format.toImageFormat().name())));
        }
    return refs;
}

// Stands in for the desktop's browser and mail program.
class TUrlRecorder : public QObject {
    Q_OBJECT
public:
    TUrlRecorder()
    {
        for (const char* scheme : {"https", "http", "mailto", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    ~TUrlRecorder() override
    {
        for (const char* scheme : {"https", "http", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    std::vector<QUrl> Opened;
public slots:
    void Open(const QUrl& url) { Opened.push_back(url); }
};

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        help = std::make_unique<THtmlHelp>(HelpFile);
    }
    THelpWindow& Show(const QString& page)
    {
        EXPECT_TRUE(help->ShowPage(page));
        return *help->Window();
    }
    QString Shown() const { return help->Window()->CurrentAddress(); }
    QString PageText() const { return help->Window()->Browser->toPlainText(); }

    std::unique_ptr<THtmlHelp> help;
};

} // namespace

TEST_F(HelpViewerTest, ChmLibIsLoadedOnlyWhenTheFirstPageIsAskedFor)
{
    EXPECT_FALSE(help->LibraryLoaded());
    EXPECT_EQ(help->Window(), nullptr);
    Show(QStringLiteral("heap.html"));
    EXPECT_TRUE(help->LibraryLoaded());
    EXPECT_TRUE(help->Window()->isVisible());
}

TEST_F(HelpViewerTest, PagesAreAddressedByFileAndNameAndAnEmptyNameIsTheStartPage)
{
    EXPECT_EQ(THtmlHelp::Address(QStringLiteral("/a/kelvash.chm"), QStringLiteral("round.html")),
              "/a/kelvash.chm::/round.html");
    EXPECT_EQ(THtmlHelp::Address(QStringLiteral("k.chm"), QStringLiteral("sub\\page.html")),
              "k.chm::/sub/page.html");
    EXPECT_EQ(THtmlHelp::Address(QStringLiteral("k.chm"), QString()), "k.chm::/");

    Show(QString());
    EXPECT_EQ(Shown(), HelpFile + "::/index.html");
    EXPECT_TRUE(PageText().contains(QStringLiteral("How to play with this program")));
    Show(QStringLiteral("\\round.html"));
    EXPECT_EQ(Shown(), HelpFile + "::/round.html");
    EXPECT_TRUE(PageText().contains(QStringLiteral("The circle phase")));
}

TEST_F(HelpViewerTest, EveryPageReadsAndItsLinksAndPicturesAreInsideTheFile)
{
    THelpWindow& window = Show(QString());
    const TChmFile& file = window.File();
    QStringList pages;
    for (const QString& object : file.Files())
        if (object.endsWith(QLatin1String(".html"))) pages << object;
    pages.sort();
    EXPECT_EQ(pages, QStringList({"/heap.html", "/index.html", "/mover.html", "/round.html"}));

    std::map<QString, std::set<QString>> anchors;
    std::vector<std::pair<QString, QUrl>> links;
    for (const QString& page : pages) {
        window.ShowAddress(THtmlHelp::Address(HelpFile, page));
        SCOPED_TRACE(Text(page));
        EXPECT_EQ(window.Browser->Problem(page), QString());
        EXPECT_FALSE(window.Browser->documentTitle().isEmpty());
        const QUrl url = THelpBrowser::PageUrl(page);
        const TReferences refs = ReferencesOf(*window.Browser->document(), url);
        anchors[page] = refs.Anchors;
        for (const QUrl& link : refs.Links)
            links.emplace_back(page, link);
        for (const QUrl& picture : refs.Pictures) {
            EXPECT_EQ(picture.scheme(), "chm") << Text(picture.toString());
            EXPECT_TRUE(Holds(file, picture.path())) << Text(picture.toString());
            const QVariant shown =
                window.Browser->document()->resource(QTextDocument::ImageResource, picture);
            EXPECT_FALSE(shown.value<QImage>().isNull()) << Text(picture.toString());
        }
        if (page == QLatin1String("/round.html")) {
            EXPECT_GE(refs.Pictures.size(), 3u);
        }
    }
    ASSERT_GT(links.size(), 10u);
    for (const auto& [from, link] : links) {
        SCOPED_TRACE(Text(from + " -> " + link.toString()));
        ASSERT_EQ(link.scheme(), "chm");
        EXPECT_TRUE(Holds(file, link.path()));
        if (link.hasFragment()) {
            EXPECT_TRUE(anchors[link.path()].count(link.fragment()));
        }
    }
}

TEST_F(HelpViewerTest, StyleSheetComesFromInsideTheFile)
{
    THelpWindow& window = Show(QStringLiteral("mover.html"));
    // The first block is the page's heading, coloured by zelmo.css.
    const QTextBlock heading = window.Browser->document()->begin();
    ASSERT_EQ(heading.text(), "Mover");
    EXPECT_EQ(heading.charFormat().foreground().color(), QColor(0xa0, 0x10, 0x10));
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

    QFile good(HelpFile);
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray whole = good.readAll();
    ASSERT_GT(whole.size(), 4096);
    QTemporaryDir dir;
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };

    struct TCase {
        QString File;
        QString Sentence;
    };
    std::vector<TCase> cases{
        {dir.filePath(QStringLiteral("absent.chm")), QStringLiteral("could not be found.")},
        {write(QStringLiteral("empty.chm"), {}), QStringLiteral("is empty.")},
        {write(QStringLiteral("text.chm"), QByteArray(200, 'x')),
         QStringLiteral("is damaged and cannot be read.")},
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
    cases.push_back({write(QStringLiteral("looped.chm"), looped),
                     QStringLiteral("is damaged and cannot be read.")});
    // Cut short anywhere: in the header, in the directory, in the pages.
    for (const qsizetype length : {qsizetype(3), qsizetype(0x60), qsizetype(0x70), qsizetype(0x200),
                                   whole.size() / 3, whole.size() / 2, whole.size() - 1})
        cases.push_back({write(QStringLiteral("cut-%1.chm").arg(length), whole.left(length)),
                         QStringLiteral("is damaged and cannot be read.")});

    for (const TCase& c : cases) {
        SCOPED_TRACE(Text(c.File));
        THtmlHelp broken(c.File);
        ASSERT_TRUE(broken.ShowPage(QStringLiteral("mover.html")));
        THelpWindow& window = *broken.Window();
        const QString shown = window.Browser->toPlainText().trimmed();
        EXPECT_TRUE(shown.startsWith(QStringLiteral("The help file ") + c.File)) << Text(shown);
        EXPECT_TRUE(shown.endsWith(c.Sentence)) << Text(shown);
        EXPECT_EQ(shown.count(QLatin1Char('.')) - c.File.count(QLatin1Char('.')), 1) << "one sentence";
        EXPECT_EQ(window.Contents->topLevelItemCount(), 0);
        EXPECT_TRUE(broken.ShowPage(QString())) << "asking again is harmless";
    }

    // Once the file is there, the same viewer reads it.
    const QString late = dir.filePath(QStringLiteral("late.chm"));
    THtmlHelp waiting(late);
    waiting.ShowPage(QStringLiteral("heap.html"));
    write(QStringLiteral("late.chm"), whole);
    waiting.ShowPage(QStringLiteral("heap.html"));
    EXPECT_TRUE(waiting.Window()->Browser->toPlainText().contains(QStringLiteral("The heap")));
}

// Bytes spoilt anywhere, the length kept: whatever chmlib makes of it, the viewer shows
// something for every page and neither crashes nor hangs.
TEST_F(HelpViewerTest, SpoiltBytesNeitherCrashNorHang)
{
    QFile good(HelpFile);
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray whole = good.readAll();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("spoilt.chm"));
    QRandomGenerator random(20231224);
    for (int round = 0; round < 30; ++round) {
        QByteArray bytes = whole;
        // Half of the rounds hit the header and directory, where chmlib finds its way.
        const int reach = round % 2 ? int(bytes.size()) : 0x2000;
        for (int n = 1 + round % 8; n > 0; --n)
            bytes[random.bounded(reach)] = char(random.bounded(256));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();

        THtmlHelp spoilt(path);
        for (const char* page : {"", "index.html", "mover.html", "heap.html", "round.html"}) {
            ASSERT_TRUE(spoilt.ShowPage(QString::fromLatin1(page)));
            EXPECT_FALSE(spoilt.Window()->Browser->toPlainText().trimmed().isEmpty())
                << "round " << round << " page " << page;
        }
    }
}

TEST_F(HelpViewerTest, Screenshots)
{
    for (const char* page : {"", "mover.html", "heap.html", "round.html"}) {
        THelpWindow& window = Show(QString::fromLatin1(page));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QString name = *page ? QString::fromLatin1(page).chopped(5) : QStringLiteral("contents");
        SaveArtifact(window.grab().toImage(), QStringLiteral("help-%1.png").arg(name));
        // The whole page as it reads when scrolled through.
        QTextDocument& document = *window.Browser->document();
        QImage whole(document.size().toSize(), QImage::Format_RGB32);
        whole.fill(Qt::white);
        QPainter painter(&whole);
        document.drawContents(&painter);
        painter.end();
        SaveArtifact(whole, QStringLiteral("help-%1-page.png").arg(name));
    }
}

#include "HelpViewerTest.moc"
