#include "Help.h"

#include "HelpChmLib.h"
#include "HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// A help file beside the program or in the installed data folder; empty when in neither.
QString Existing(const QString& programDir, const QString& name)
{
    const QString beside = QDir(programDir).filePath(name);
    const QString installed =
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(ZELMO_DATA_FROM_BIN "/") + name));
    for (const QString& path : {beside, installed})
        if (QFileInfo::exists(path))
            return path;
    return {};
}

} // namespace

QString FindHelpFile(const QString& programDir, const QString& language)
{
    if (!language.isEmpty()) {
        const QString translated =
            Existing(programDir, QStringLiteral("kelvash_%1.chm").arg(language));
        if (!translated.isEmpty())
            return translated;
    }
    const QString english = Existing(programDir, HelpFileName);
    return english.isEmpty() ? QDir(programDir).filePath(HelpFileName) : english;
}

THtmlHelp::THtmlHelp(QString file, QString chmLibrary)
    : helpFile(std::move(file)),
      library(std::make_shared<TChmLibrary>(chmLibrary.isEmpty() ? TChmLibrary::DefaultName
                                                                 : chmLibrary))
{
}

THtmlHelp::~THtmlHelp() = default;

QString THtmlHelp::Address(const QString& file, const QString& page)
{
    QString name = page;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!name.startsWith(QLatin1Char('/'))) name.prepend(QLatin1Char('/'));
    return file + QStringLiteral("::") + name;
}

bool THtmlHelp::LibraryLoaded() const
{
    return library->IsLoaded();
}

bool THtmlHelp::ShowPage(const QString& page, QWidget* parent)
{
    if (!library->Load()) {
        QMessageBox box(QMessageBox::Warning, THtmlHelp::tr("Warning"),
                        THtmlHelp::tr("MS Html Help is not installed on this PC."),
                        QMessageBox::NoButton, parent);
        box.addButton(THtmlHelp::tr("OK"), QMessageBox::AcceptRole);
        box.exec();
        return false;
    }
    if (!window) window = std::make_unique<THelpWindow>(library);
    window->ShowAddress(Address(helpFile, page));
    window->showNormal();
    window->raise();
    window->activateWindow();
    return true;
}

std::unique_ptr<THtmlHelp> CreateHtmlHelp(const QString& helpFile)
{
    if (helpFile.isEmpty() || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    return std::make_unique<THtmlHelp>(helpFile);
}
