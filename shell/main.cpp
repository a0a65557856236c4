// Start-up: AppDir is set before main (Commons), then the application with its title,
// the main window, the dialogs, and the message loop.
#include "About.h"
#include "Commons.h"
#include "GameOver.h"
#include "MessageBoxes.h"
#include "Prefs.h"
#include "ProgramGames.h"
#include "SettingsStore.h"
#include "TableSize.h"
#include "Translations.h"
#include "UMain.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace {

// Every size of the program icon that is compiled in.
QIcon ProgramIcon()
{
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& name : icons.entryList({QStringLiteral("mainicon-*.png")}))
        icon.addFile(icons.filePath(name));
    return icon;
}

} // namespace

int main(int argc, char** argv)
{
    // The stored table size scales everything, so it is read before the application.
    ApplyTableSize(TSettingsStore().StoredZoom());
    QApplication app(argc, argv);
    // No display name: Qt would append it to every caption.
    QApplication::setApplicationName(AppTitle);
    QApplication::setDesktopFileName(QStringLiteral("christmas-zelmo"));
    QApplication::setWindowIcon(ProgramIcon());
    TTranslations translations(FindTranslationsFolder(AppDir));
    translations.Use(TSettingsStore().StoredLanguage());

    TFMain mainWindow(ProgramGames());
    // The three dialogs, in this order: about box, preferences, game over.
    TFAbout about(&mainWindow);
    mainWindow.SetAboutBox(&about);
    // Loads the settings now and saves them when it goes at program end.
    TFPrefs prefs(mainWindow, TSettingsStore(),
                  [&mainWindow](const QString& text) { ShowMessage(text, &mainWindow); });
    mainWindow.SetPreferencesDialog(&prefs);
    TFGameOver gameOver(&mainWindow);
    SetGameOverQuestion(&gameOver);

    mainWindow.ShowAsLeft();
    const int exitCode = QApplication::exec();
    // The dialog goes before the main window, which may still handle a game's last messages.
    SetGameOverQuestion(nullptr);
    return exitCode;
}
