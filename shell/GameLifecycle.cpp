// Starting, ending and freeing games. A game's state handler may be suspended in a
// nested message loop while any of this runs, so a game is never freed here directly:
// it is stopped, and freed on WM_GAMEENDED once its handlers have returned.
#include "UMain.h"

#include "Commons.h"
#include "KeyboardPlay.h"
#include "Messages.h"
#include "Random.h"
#include "ZelmoGame.h"

#include <QStatusBar>

namespace {

bool IsGameOverState(int state)
{
    return state == stHumanWins || state == stCpuWins || state == stDraw;
}

} // namespace

bool TFMain::EndCurrentGame()
{
    const bool askFirst = FGame && !FGame->Stopped && !IsGameOverState(FGame->State);
    if (askFirst && !askConfirmation(this, tr("End current game?"))) return false;
    setWindowTitle(ShownTitle());
    if (FGame) {
        FGame->StopGame();
        // A running handler announces the end itself when it unwinds.
        if (FGame->DispatchDepth == 0) PostMessage(this, WM_GAMEENDED);
    }
    return true;
}

void TFMain::ChooseGame(int kind)
{
    if (EndCurrentGame()) PostMessage(this, WM_STARTGAME, kind);
}

void TFMain::RandomGame()
{
    const std::vector<int> built = kinds.Built();
    if (!built.empty()) ChooseGame(built[size_t(Random(int(built.size())))]);
}

void TFMain::EndGame()
{
    EndCurrentGame();
    statusBar()->showMessage(tr("Click a gift from under the Christmas Tree to start playing"));
}

void TFMain::Exit()
{
    if (EndCurrentGame()) close();
}

void TFMain::StartGameMessage(int kind)
{
    if (!kinds.IsBuilt(kind) || closing) return;
    if (FGame) {
        // The old game is stopped but not freed yet: start this one after it.
        FPendingGame = kind;
        return;
    }
    SetAutoplayCommand(false);
    setWindowTitle(tr("%1 - %2").arg(ShownTitle(), TGameKinds::DisplayName(kind)));
    std::unique_ptr<TZelmoGame> game = kinds.Make(kind, this);
    game->Init(this); // the client area it fills owns it from here
    FGame = game.release();
    FGameKind = kind;
    tally.Watch(*FGame, TGameKinds::Name(kind));
    connect(FGame->Board, &TBoard::HintChanged, this, &TFMain::ShowBoardHint);
    connect(FGame, &TZelmoGame::StatusShown, statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
    // Playing by keys, the line follows the focus wherever the pointer is.
    if (FGame->Keys())
        connect(FGame->Keys(), &TKeyboardPlay::StatusLineChanged, statusBar(),
                [this](const QString& line) { statusBar()->showMessage(line); });
    ApplySettings();
    FGame->StartGame();
    EnableGameCommands(true);
}

void TFMain::GameEndedMessage()
{
    // Only a stopped game whose handlers have all returned may go; any other notice is
    // a late one and the game it meant is gone or will announce itself again.
    if (FGame && !(FGame->Stopped && FGame->DispatchDepth == 0)) return;
    if (FGame) tally.GameEnded();
    delete FGame;
    FGameKind = -1;
    EnableGameCommands(false);
    if (FPendingGame != -1) {
        PostMessage(this, WM_STARTGAME, FPendingGame);
        FPendingGame = -1;
    }
}

void TFMain::FreeGameBeforeClosing()
{
    closing = true;
    if (!FGame) return;
    // Closing the window has stopped the game already; being destroyed otherwise has not.
    if (!FGame->Stopped) {
        FGame->StopGame();
        if (FGame->DispatchDepth == 0) PostMessage(this, WM_GAMEENDED);
    }
    // The stopped game's notice is queued, or comes when its handler unwinds.
    while (FGame)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
