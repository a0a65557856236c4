#include "HelpWindow.h"

#include "Commons.h"
#include "HelpChmLib.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace {

const QString PageScheme = QStringLiteral("chm");

// Every page of the help has words; one that shows none was spoilt in the file.
bool ShowsText(const QString& html)
{
    QTextDocument page;
    page.setHtml(html);
    return !page.toPlainText().trimmed().isEmpty();
}

QString ProblemPage(const QString& sentence)
{
    return QStringLiteral("<html><body><p style=\"margin: 16px; font-size: 14px;\">%1</p>"
                          "</body></html>")
        .arg(sentence.toHtmlEscaped());
}

// Where a page name such as "mover.html#taking" or "\round.html" leads: the object
// "/mover.html" with the fragment "taking". Empty for the start page.
QUrl TopicUrl(const QString& local)
{
    const qsizetype hash = local.indexOf(QLatin1Char('#'));
    QString object = hash < 0 ? local : local.left(hash);
    object.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (object.startsWith(QLatin1Char('/')))
        object.remove(0, 1);
    if (object.isEmpty()) return {};
    QUrl url = THelpBrowser::PageUrl(object);
    if (hash >= 0) url.setFragment(local.mid(hash + 1));
    return url;
}

// Web and mail addresses go to the desktop's programs; no other kind of link leaves the
// help file, so a page cannot have a file of this computer opened.
void OpenOutside(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto"))
        QDesktopServices::openUrl(url);
}

} // namespace

THelpBrowser::THelpBrowser(const TChmFile& helpFile, QWidget* parent)
    : QTextBrowser(parent), file(helpFile)
{
    // Every link goes through anchorClicked, so that none leaves the file unasked.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == PageScheme)
            setSource(url);
        else
            OpenOutside(url);
    });
}

QUrl THelpBrowser::PageUrl(const QString& object)
{
    QUrl url;
    url.setScheme(PageScheme);
    url.setPath(TChmFile::ObjectName(object));
    return url;
}

QString THelpBrowser::Problem(const QString& object) const
{
    const QString name = QDir::toNativeSeparators(file.Path());
    switch (file.Status()) {
    case TChmFile::fsClosed:
    case TChmFile::fsMissing:
        return tr("The help file %1 could not be found.").arg(name);
    case TChmFile::fsEmpty:
        return tr("The help file %1 is empty.").arg(name);
    case TChmFile::fsDamaged:
        return Damaged();
    case TChmFile::fsOk:
        break;
    }
    if (object.isEmpty() || object == QLatin1String("/"))
        return tr("The help file %1 does not name a start page.").arg(name);
    switch (file.Read(object).Status) {
    case TChmFile::TObject::Ok:
        return {};
    case TChmFile::TObject::Absent:
        return tr("The page %1 is not in the help file %2.").arg(object.mid(1), name);
    case TChmFile::TObject::Damaged:
        break;
    }
    return Damaged();
}

QString THelpBrowser::Damaged() const
{
    return tr("The help file %1 is damaged and cannot be read.")
        .arg(QDir::toNativeSeparators(file.Path()));
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    // Nothing outside the help file, not even from the local disk.
    if (url.scheme() != PageScheme) return QByteArray();
    const TChmFile::TObject object = file.Read(url.path());
    switch (type) {
    case QTextDocument::HtmlResource: {
        if (object.Status == TChmFile::TObject::Ok) {
            const QString page = QString::fromUtf8(object.Data);
            if (ShowsText(page)) return page;
        }
        const QString problem = Problem(url.path());
        return ProblemPage(problem.isEmpty() ? Damaged() : problem);
    }
    case QTextDocument::ImageResource: {
        const QImage picture = QImage::fromData(object.Data);
        return picture.isNull() ? QVariant(QByteArray()) : QVariant(picture);
    }
    case QTextDocument::StyleSheetResource:
        return QString::fromUtf8(object.Data);
    default:
        return object.Data;
    }
}

void THelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    if (!name.isRelative() && name.scheme() != PageScheme) {
        OpenOutside(name);
        return;
    }
    QTextBrowser::doSetSource(name, type);
}

THelpWindow::THelpWindow(std::shared_ptr<TChmLibrary> library) : file(std::move(library))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("%1 Help").arg(ShownTitle()));
    // Open help must not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    BuildWindow();
    resize(820, 600);
}

void THelpWindow::BuildWindow()
{
    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    actBack = bar->addAction(tr("Back"));
    actForward = bar->addAction(tr("Forward"));
    bar->addSeparator();
    actHome = bar->addAction(tr("Contents"));
    actBack->setShortcut(QKeySequence::Back);
    actForward->setShortcut(QKeySequence::Forward);
    actBack->setEnabled(false);
    actForward->setEnabled(false);

    auto* splitter = new QSplitter(this);
    Tabs = new QTabWidget(splitter);
    Contents = new QTreeWidget(Tabs);
    Contents->setHeaderHidden(true);
    Contents->setColumnCount(1);
    Tabs->addTab(Contents, tr("Contents"));

    auto* indexPage = new QWidget(Tabs);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    IndexFilter = new QLineEdit(indexPage);
    IndexFilter->setPlaceholderText(tr("Type a word to find"));
    IndexFilter->setClearButtonEnabled(true);
    Index = new QListWidget(indexPage);
    indexLayout->addWidget(IndexFilter);
    indexLayout->addWidget(Index);
    Tabs->addTab(indexPage, tr("Index"));

    Browser = new THelpBrowser(file, splitter);
    splitter->addWidget(Tabs);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 600});
    setCentralWidget(splitter);

    connect(actBack, &QAction::triggered, Browser, &QTextBrowser::backward);
    connect(actForward, &QAction::triggered, Browser, &QTextBrowser::forward);
    connect(actHome, &QAction::triggered, this, &THelpWindow::ShowStartPage);
    connect(Browser, &QTextBrowser::backwardAvailable, actBack, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, actForward, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, &THelpWindow::SelectCurrentTopic);
    connect(Contents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        ShowTopic(item->data(0, Qt::UserRole).toString());
    });
    connect(Contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        ShowTopic(item->data(0, Qt::UserRole).toString());
    });
    connect(Index, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        ShowTopic(item->data(Qt::UserRole).toString());
    });
    connect(Index, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        ShowTopic(item->data(Qt::UserRole).toString());
    });
    connect(IndexFilter, &QLineEdit::textChanged, this, &THelpWindow::FilterIndex);
}

void THelpWindow::OpenFile(const QString& path)
{
    file.Open(path);
    fileReopened = true;
    Contents->clear();
    Index->clear();
    topicPages.clear();
    Browser->clearHistory();
    if (file.Status() != TChmFile::fsOk) return;
    if (!file.Title().isEmpty()) setWindowTitle(file.Title());
    if (!file.ContentsFile().isEmpty())
        FillContents(nullptr, ParseSitemap(file.Read(file.ContentsFile()).Data));
    if (!file.IndexFile().isEmpty()) FillIndex(ParseSitemap(file.Read(file.IndexFile()).Data));
    Contents->expandAll();
}

void THelpWindow::FillContents(QTreeWidgetItem* parent, const std::vector<THelpTopic>& topics)
{
    for (const THelpTopic& topic : topics) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(Contents);
        item->setText(0, topic.Name);
        item->setData(0, Qt::UserRole, topic.Local);
        if (!topic.Local.isEmpty()) topicPages.emplace_back(item, TopicUrl(topic.Local));
        FillContents(item, topic.Children);
    }
}

void THelpWindow::FillIndex(const std::vector<THelpTopic>& topics)
{
    for (const THelpTopic& topic : topics) {
        auto* item = new QListWidgetItem(topic.Name, Index);
        item->setData(Qt::UserRole, topic.Local);
        // Sub-entries are listed under their keyword, indented.
        for (const THelpTopic& sub : topic.Children) {
            auto* subItem = new QListWidgetItem(QStringLiteral("    ") + sub.Name, Index);
            subItem->setData(Qt::UserRole, sub.Local);
        }
    }
}

void THelpWindow::FilterIndex(const QString& text)
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < Index->count(); ++row) {
        QListWidgetItem* item = Index->item(row);
        item->setHidden(!wanted.isEmpty() &&
                        !item->text().contains(wanted, Qt::CaseInsensitive));
    }
}

void THelpWindow::ShowAddress(const QString& address)
{
    const qsizetype separator = address.indexOf(QStringLiteral("::"));
    const QString path = separator < 0 ? address : address.left(separator);
    const QString page = separator < 0 ? QString() : address.mid(separator + 2);
    // A file that failed before is tried again: it may have been installed since.
    if (path != file.Path() || file.Status() != TChmFile::fsOk) OpenFile(path);
    ShowTopic(page);
}

void THelpWindow::ShowTopic(const QString& local)
{
    const QUrl url = TopicUrl(local);
    if (url.isEmpty())
        ShowStartPage();
    else
        Navigate(url);
}

void THelpWindow::Navigate(const QUrl& url)
{
    const bool samePage = Browser->source().adjusted(QUrl::RemoveFragment) ==
                          url.adjusted(QUrl::RemoveFragment);
    // The browser keeps a page it shows already, but that came out of the old file.
    if (std::exchange(fileReopened, false) && samePage) {
        Browser->reload();
        if (url.hasFragment()) Browser->scrollToAnchor(url.fragment());
        return;
    }
    Browser->setSource(url);
}

void THelpWindow::ShowStartPage()
{
    QString page = file.StartPage();
    // A file without a start page opens at its first contents entry.
    if (page.isEmpty() && !topicPages.empty()) page = topicPages.front().second.path();
    Navigate(THelpBrowser::PageUrl(page.isEmpty() ? QStringLiteral("/") : page));
}

QString THelpWindow::CurrentAddress() const
{
    return file.Path() + QStringLiteral("::") + Browser->source().path();
}

void THelpWindow::SelectCurrentTopic(const QUrl& shown)
{
    // The signal comes before source() has changed. The entry for that very place on the
    // page is chosen, else the first one for the page.
    const auto samePage = [&shown](const QUrl& topic) {
        return topic.path().compare(shown.path(), Qt::CaseInsensitive) == 0;
    };
    QTreeWidgetItem* best = nullptr;
    for (const auto& [item, topic] : topicPages)
        if (samePage(topic) && topic.fragment() == shown.fragment()) {
            best = item;
            break;
        } else if (samePage(topic) && !best) {
            best = item;
        }
    const QSignalBlocker blocker(Contents);
    if (best)
        Contents->setCurrentItem(best);
    else
        Contents->clearSelection();
}
