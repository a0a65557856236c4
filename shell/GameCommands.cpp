// The commands the main window forwards to the running game, and its look.
#include "UMain.h"

#include "Clock.h"
#include "MainMenu.h"
#include "MainToolBar.h"
#include "Statistics.h"
#include "ZelmoGame.h"

#include <QAction>
#include <QDialog>
#include <QStatusBar>
#include <algorithm>

void TFMain::EnableGameCommands(bool on)
{
    for (QAction* command : {menu->mnuEndgame, menu->mnuHint, menu->mnuAutoplay, ToolBar1->btnHint,
                             ToolBar1->btnAutoplay, menu->mnuRules, ToolBar1->btnRules})
        command->setEnabled(on);
}

void TFMain::Hint()
{
    if (!FGame || FGame->Autoplay) return;
    TCard* card = FGame->HintCard();
    if (!card || card->Moving) return;
    card->SetSelectedCard(true);
    const uint32_t start = Clock::TickCount();
    const int state = FGame->State;
    FGame->Board->repaint();
    // No messages are handled meanwhile, so nothing can move the highlighted card.
    for (uint32_t held = 0; held < HintTime && FGame->State == state;
         held = Clock::TickCount() - start)
        Clock::Sleep(int(std::min<uint32_t>(5, HintTime - held)));
    card->SetSelectedCard(false);
    FGame->Board->update();
}

void TFMain::SetAutoplayCommand(bool on)
{
    if (!FGame) on = false;
    menu->mnuAutoplay->setChecked(on);
    ToolBar1->btnAutoplay->setChecked(on);
    if (FGame) FGame->SetAutoplay(on);
}

void TFMain::SetPreferencesDialog(QDialog* dialog)
{
    preferences = dialog;
    menu->mnuPreferences->setEnabled(dialog != nullptr);
}

void TFMain::ShowPreferences()
{
    if (preferences && preferences->exec() == QDialog::Accepted) {
        ApplySettings();
        ShowTableSize();
    }
}

void TFMain::SetStatisticsStore(const TStatisticsStore& store)
{
    tally.SetStore(store);
    statistics->SetStore(store);
}

void TFMain::ShowStatistics() { statistics->exec(); }

void TFMain::ShowRecord(const QString& variant, const TPlayerRecord& r)
{
    statusBar()->showMessage(
        tr("%1: %2 won, %3 lost, %4 drawn").arg(variant).arg(r.Won).arg(r.Lost).arg(r.Drawn),
        RecordShownFor);
}

void TFMain::ApplyToolbarLook()
{
    ToolBar1->setVisible(settings.ShowToolbar);
    ToolBar1->SetFlat(settings.FlatButtons);
}

void TFMain::ApplySettings()
{
    if (!FGame)
        return;
    TBoard& board = *FGame->Board;
    board.SetColor(ColorFromStored(settings.StartColor));
    board.SetColor2(ColorFromStored(settings.EndColor));
    board.SetBackType(TBoardBackType(settings.BackType));
    board.SetDrawBackFrame(settings.DrawFrame);
    board.SetAutoCardBack(settings.CardBack);
    board.SetPicture(settings.BackPicture);
    const int builtIn = settings.Background;
    board.SetPictureMaker(builtIn ? std::function([builtIn](qreal ratio) {
        return BuiltInBackground(builtIn, ratio);
    }) : nullptr);
    ApplyToolbarLook();
    SetAnimationTime(settings.AnimateTime);
    board.SetAnimateType(TBoardAnimateType(settings.AnimateType));
    FGame->CpuPlayer = settings.CpuPlayer; // the game takes it up with its next deal
    board.ApplyCardBack();
    board.RebuildBackground();
    board.update();
    LayOutTable();
}
