#include "ProgramWindow.h"

#include "AnimationTime.h"
#include "Artifacts.h"
#include "Clock.h"
#include "GradientButton.h"
#include "Messages.h"
#include "ProgramGames.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

void PumpWhile(const std::function<bool()>& condition)
{
    for (int i = 0; i < 200000 && condition(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void ProgramWindowFixture::SetUp()
{
    QApplication::setQuitOnLastWindowClosed(false);
    Clock::SetManual(true);
    answers.Answer = [](int) { return goClose; };
    NewWindow();
}

void ProgramWindowFixture::TearDown()
{
    window.reset();
    Clock::SetManual(false);
    SetAnimationTime(250);
}

void ProgramWindowFixture::NewWindow()
{
    window = std::make_unique<TFMain>(ProgramGames());
    window->SetConfirm([](QWidget*, const QString&) { return true; });
}

TZelmoGame* ProgramWindowFixture::StartGame(int kind)
{
    window->ChooseGame(kind);
    QCoreApplication::sendPostedEvents(window.get(), WM_STARTGAME);
    return window->Game();
}

bool ProgramWindowFixture::UntilFreed(const QPointer<TZelmoGame>& game)
{
    PumpWhile([&game] { return !game.isNull(); });
    return game.isNull();
}

TClosingGameOver::TClosingGameOver(TFMain& window, std::function<QString()> shotName) : box(&window)
{
    QObject::connect(&timer, &QTimer::timeout, [this, &window, shotName] {
        if (!box.isVisible())
            return;
        ++Shown;
        Result = box.lblResult->text();
        StatusLine = window.statusBar()->currentMessage();
        SaveArtifact(box.grab().toImage(), shotName());
        box.btnMenu->click();
    });
    timer.start(10);
}
