#pragma once
#include "Translations.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

class QWidget;
class TChmLibrary;
class THelpWindow;

// The program's help file, next to the program.
inline const QString HelpFileName = QStringLiteral("kelvash.chm");

// Where the help file is: beside the program (a build tree), else in the data folder of
// the installed tree the program runs from; the language's own (kelvash_<code>.chm)
// when there is one, else the English. The one beside the program when none exists.
QString FindHelpFile(const QString& programDir, const QString& language = LanguageInEffect());

// Shows pages of one compiled help file in the help window. chmlib is loaded only
// when the first page is asked for; until then nothing but the file name is kept.
class THtmlHelp {
    Q_DECLARE_TR_FUNCTIONS(THtmlHelp)

public:
    explicit THtmlHelp(QString helpFile, QString chmLibrary = QString());
    ~THtmlHelp();
    THtmlHelp(const THtmlHelp&) = delete;
    THtmlHelp& operator=(const THtmlHelp&) = delete;

    // Opens the page, or the start page for an empty name, and brings the window to the
    // front. Without chmlib it warns instead, opens nothing and returns false.
    bool ShowPage(const QString& page, QWidget* parent = nullptr);

    // "file::/page", with the page's backslashes made slashes.
    static QString Address(const QString& file, const QString& page);

    const QString& HelpFile() const { return helpFile; }
    bool LibraryLoaded() const;
    // The window, once a page has been shown.
    THelpWindow* Window() const { return window.get(); }

private:
    QString helpFile;
    std::shared_ptr<TChmLibrary> library;
    std::unique_ptr<THelpWindow> window;
};

// The help object for a file, or none when help cannot work in this program at all
// (no file name, or no widgets to show a window with).
std::unique_ptr<THtmlHelp> CreateHtmlHelp(const QString& helpFile);
