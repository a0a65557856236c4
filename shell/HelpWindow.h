#pragma once
#include "HelpChmFile.h"
#include "HelpSitemap.h"

#include <QMainWindow>
#include <QTextBrowser>
#include <memory>

class QAction;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TChmLibrary;

// The page view: pages, pictures and style sheets come out of the help file, addressed
// as "chm:/page.html"; links to the web or to mail go to the desktop's programs.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    THelpBrowser(const TChmFile& file, QWidget* parent);

    static QUrl PageUrl(const QString& object);
    // The sentence shown instead of a page, or empty when the page can be shown.
    QString Problem(const QString& object) const;

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    QString Damaged() const;

    const TChmFile& file;
};

// The help viewer's own top-level window: the file's contents and index beside the
// page, with Back and Forward.
class THelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit THelpWindow(std::shared_ptr<TChmLibrary> library);

    // Shows "file::/page"; an empty page is the file's start page. A file that cannot
    // be read or a page it lacks is reported in the page area.
    void ShowAddress(const QString& address);
    // The address of the page on show, "file::/page".
    QString CurrentAddress() const;
    const TChmFile& File() const { return file; }

    THelpBrowser* Browser;
    QTabWidget* Tabs;
    QTreeWidget* Contents;
    QLineEdit* IndexFilter;
    QListWidget* Index;
    QAction* actBack;
    QAction* actForward;
    QAction* actHome;

private:
    void BuildWindow();
    void OpenFile(const QString& path);
    void FillContents(QTreeWidgetItem* parent, const std::vector<THelpTopic>& topics);
    void FillIndex(const std::vector<THelpTopic>& topics);
    void ShowStartPage();
    void ShowTopic(const QString& local);
    void Navigate(const QUrl& url);
    void FilterIndex(const QString& text);
    void SelectCurrentTopic(const QUrl& shown);

    TChmFile file;
    bool fileReopened = false;
    // Where each contents entry leads, to select the entry of the page on show.
    std::vector<std::pair<QTreeWidgetItem*, QUrl>> topicPages;
};
