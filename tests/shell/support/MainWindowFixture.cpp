#include "MainWindowFixture.h"

#include "MainMenu.h"
#include "MainToolBar.h"

#include <QAction>
#include <QCoreApplication>
#include <QStatusBar>

void MainWindowFixture::MakeWindow(std::vector<int> built)
{
    window.reset();
    window = std::make_unique<TFMain>(FakeKinds(log, lastMade, std::move(built)));
    window->SetConfirm([this](QWidget*, const QString& question) {
        EXPECT_EQ(question, "End current game?");
        ++questions;
        return answer;
    });
}

void MainWindowFixture::TearDown()
{
    window.reset();
    EXPECT_EQ(log.made, log.freed) << "every game is freed by the end";
}

void MainWindowFixture::Pump()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

TFakeGame* MainWindowFixture::Start(int kind)
{
    lastMade = nullptr;
    window->ChooseGame(kind);
    Pump();
    return lastMade;
}

QString MainWindowFixture::StatusText() const
{
    return window->statusBar()->currentMessage();
}

bool MainWindowFixture::CommandsEnabled() const
{
    const TMainMenu& menu = window->Menu();
    const TMainToolBar& bar = window->ToolBar();
    const bool on = menu.mnuEndgame->isEnabled();
    for (QAction* command : {menu.mnuHint, menu.mnuAutoplay, bar.btnHint, bar.btnAutoplay})
        EXPECT_EQ(command->isEnabled(), on) << command->statusTip().toStdString();
    return on;
}
