#include "MainWindowFixture.h"

#include "Clock.h"
#include "GameOverStep.h"
#include "MainMenu.h"
#include "MainToolBar.h"

#include <QAction>
#include <QApplication>

void TFakeGame::Init(QWidget* parent)
{
    TZelmoGame::Init(parent);
    CreateBoard();
    OnlyCard = Board->NewCard(Board->NewPile(poLine, 8, 8, 73, 0, 1, 0, 0), Ace, Spades, true);
}

void TFakeGame::RunState(int state)
{
    if (Stopped)
        return;
    log.states.push_back(state);
    State = state;
    if (state == AcceptPick) {
        Waiting = false;
    } else if (state == stHumanWins || state == stCpuWins || state == stDraw) {
        RunGameOverState(*this, state);
    }
}

void MainWindowFixture::MakeWindow(std::vector<int> built)
{
    std::array<TGameMaker, TGameKinds::Count> makers{};
    for (int kind : built)
        makers[size_t(kind)] = [this, kind](QObject* owner) {
            auto game = std::make_unique<TFakeGame>(owner, log, kind);
            lastMade = game.get();
            return std::unique_ptr<TZelmoGame>(std::move(game));
        };
    window.reset();
    window = std::make_unique<TFMain>(TGameKinds(std::move(makers)));
    window->SetStatisticsStore(TStatisticsStore(storeDir.filePath(QStringLiteral("store.conf"))));
    window->SetConfirm([this](QWidget*, const QString& question) {
        EXPECT_EQ(question, expectedQuestion);
        ++questions;
        return answer;
    });
}

void MainWindowFixture::SetUp()
{
    QApplication::setQuitOnLastWindowClosed(false);
    Clock::SetManual(true);
    Clock::SetTick(1000);
    MakeWindow({0, 1, 2});
}

void MainWindowFixture::TearDown()
{
    window.reset();
    Clock::SetManual(false);
    EXPECT_EQ(log.made, log.freed) << "every game is freed by the end";
}

bool MainWindowFixture::CommandsEnabled() const
{
    const TMainMenu& menu = window->Menu();
    const TMainToolBar& bar = window->ToolBar();
    const bool on = menu.mnuEndgame->isEnabled();
    for (QAction* command : {menu.mnuHint, menu.mnuAutoplay, menu.mnuRules, bar.btnHint,
                             bar.btnAutoplay, bar.btnRules})
        EXPECT_EQ(command->isEnabled(), on) << command->statusTip().toStdString();
    return on;
}
