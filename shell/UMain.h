#pragma once
#include "GameArea.h"
#include "GameKinds.h"
#include "GameTally.h"
#include "IconStrips.h"
#include "Settings.h"
#include "ZelmoGame.h"

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class TChooser;
class TFStatistics;
class THtmlHelp;
class TMainToolBar;
struct TMainMenu;

// Asks the player a yes/no question; true for yes.
using TConfirm = std::function<bool(QWidget* parent, const QString& question)>;

// The program's main window: the game chooser, menus, toolbar and status bar. It owns
// at most one game, starts it, forwards the player's commands to it and frees it once
// the game has stopped and every state handler of it has returned.
class TFMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = GameAreaWidth;
    static constexpr int ClientHeight = 426;
    static constexpr int StatusBarHeight = 19;
    static constexpr int HintTime = 500; // ms the hint highlight is held at most
    static constexpr int RecordShownFor = 5000; // ms the record stays after a result

    explicit TFMain(TGameKinds kinds, QWidget* parent = nullptr);
    ~TFMain() override;

    // Whether the caller may go on; the running game, if any, has then been stopped.
    bool EndCurrentGame();
    // Copies the settings onto the running game's board; nothing without a game.
    void ApplySettings();
    void EnableGameCommands(bool on);
    // The toolbar's visibility and flat look from the settings.
    void ApplyToolbarLook();
    // The window and the table at the stored table size: a fixed frame the table's size
    // times its factor, or, for fitting, a frame that may be resized and maximised.
    void ShowTableSize();
    void SetFullScreen(bool on);
    bool FullScreen() const { return fullScreen; }
    // Where the window is now, as the settings keep it; and showing it as it was left,
    // brought back onto the screen.
    TWindowPlacement Placement() const;
    void ShowAsLeft();
    // The preferences dialog the Preferences command shows; OK applies the settings.
    void SetPreferencesDialog(QDialog* dialog);
    void ShowPreferences();
    // The player's record: where it is kept, and the dialog that shows it.
    void SetStatisticsStore(const TStatisticsStore& store);
    void ShowStatistics();
    TFStatistics& StatisticsDialog() const { return *statistics; }

    // Game choices as the chooser, the menus and the toolbar make them.
    void ChooseGame(int kind);
    void RandomGame();
    void EndGame();
    void Exit();
    void Hint();
    // Autoplay as the check mark and the toolbar button show it; on is the new state.
    void SetAutoplayCommand(bool on);

    // Help and about. Rules opens the running game's rules page, Contents the help's
    // start page; without a help viewer both say why there is no help.
    void Rules();
    void Contents();
    void ShowAbout();
    void OpenHomePage();
    // The about box the About command shows.
    void SetAboutBox(QDialog* box);
    // The help viewer, none when it could not be set up; tests put their own in.
    THtmlHelp* Help() const { return FHelp.get(); }
    void SetHelp(std::unique_ptr<THtmlHelp> help);

    TZelmoGame* Game() const { return FGame; }
    int PendingGame() const { return FPendingGame; }
    TSettings& Settings() { return settings; }
    const TMainMenu& Menu() const { return *menu; }
    TMainToolBar& ToolBar() const { return *ToolBar1; }
    TChooser& Chooser() const { return *pChooseGame; }
    // Replaces the "End current game?" box, e.g. with a scripted answer.
    void SetConfirm(TConfirm confirm) { askConfirmation = std::move(confirm); }

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildWindow();
    qreal ShownTableScale() const;
    QSize FixedWindowSize(qreal scale) const;
    void LayOutTable();
    void ConnectCommands();
    void ConnectHelpCommands();
    void StartGameMessage(int kind);
    void GameEndedMessage();
    void FreeGameBeforeClosing();
    void ShowBoardHint(const QString& hint);
    void ShowRecord(const QString& variant, const TPlayerRecord& record);

    TGameKinds kinds;
    TSettings settings = TSettings::Defaults();
    TIconStrips icons;
    TConfirm askConfirmation;
    std::unique_ptr<TMainMenu> menu;
    TMainToolBar* ToolBar1 = nullptr;
    QWidget* client = nullptr; // between toolbar and status bar: the chooser, or the game over it
    TChooser* pChooseGame = nullptr;

    // Owned by the client area it fills; freed only on WM_GAMEENDED.
    QPointer<TZelmoGame> FGame;
    QPointer<QDialog> preferences;
    TGameTally tally;
    TFStatistics* statistics = nullptr;
    int FPendingGame = -1;
    int FGameKind = -1; // kind of the game in FGame, for its rules page
    std::unique_ptr<THtmlHelp> FHelp;
    QPointer<QDialog> aboutBox;
    bool closing = false;
    bool fullScreen = false;
    bool wasMaximized = false; // before full screen
    QRect keptNormal;          // likewise
};
