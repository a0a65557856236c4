#include "UMain.h"

#include "Chooser.h"
#include "Commons.h"
#include "Help.h"
#include "MainMenu.h"
#include "MainToolBar.h"
#include "MessageBoxes.h"
#include "Messages.h"
#include "Random.h"
#include "Statistics.h"
#include "StatusLine.h"
#include "ZelmoGame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>

TFMain::TFMain(TGameKinds gameKinds, QWidget* parent)
    : QMainWindow(parent), kinds(std::move(gameKinds)),
      askConfirmation(
          [](QWidget* owner, const QString& question) { return AskConfirmation(question, owner); }),
      tally(TStatisticsStore(), [this](const QString& variant, const TPlayerRecord& record) {
          ShowRecord(variant, record);
      })
{
    BuildWindow();
    ConnectCommands();
    FHelp = CreateHtmlHelp(FindHelpFile(AppDir));
    ConnectHelpCommands();
    RandomizeFromTimeOfDay();
    EnableGameCommands(false);
    ApplyToolbarLook();
}

TFMain::~TFMain()
{
    FHelp.reset();
    FreeGameBeforeClosing();
}

void TFMain::BuildWindow()
{
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(ShownTitle());

    menu = std::make_unique<TMainMenu>(*menuBar(), icons);

    ToolBar1 = new TMainToolBar(icons, this);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    pChooseGame = new TChooser(client);
    setCentralWidget(client);
    client->installEventFilter(this);
    for (int kind = 0; kind < TGameKinds::Count; ++kind)
        pChooseGame->SetKindEnabled(kind, kinds.IsBuilt(kind));

    statistics = new TFStatistics(this, tally.Store(), [this](QWidget* owner, const QString& question) {
        return askConfirmation(owner, question);
    });

    setStatusBar(new TStatusLine(this));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setFixedHeight(StatusBarHeight);

    // The client area keeps its full height below the menu bar; until the settings are
    // read, a single fixed frame: minimise, but neither maximise nor resize.
    ShowTableSize();
}

void TFMain::ConnectCommands()
{
    const TMainMenu& m = *menu;
    TMainToolBar& t = *ToolBar1;
    for (int kind = 0; kind < TGameKinds::Count; ++kind) {
        const bool built = kinds.IsBuilt(kind);
        m.KindItem(kind)->setEnabled(built);
        t.KindItem(kind)->setEnabled(built);
        const auto choose = [this, kind] { ChooseGame(kind); };
        connect(m.KindItem(kind), &QAction::triggered, this, choose);
        connect(t.KindItem(kind), &QAction::triggered, this, choose);
    }
    connect(pChooseGame, &TChooser::KindChosen, this, &TFMain::ChooseGame);

    for (QAction* random : {m.mnuRandomZelmo, t.btnPlay, t.pmRandom})
        connect(random, &QAction::triggered, this, &TFMain::RandomGame);
    connect(m.mnuEndgame, &QAction::triggered, this, &TFMain::EndGame);
    for (QAction* exit : {m.mnuExit, t.ToolButton1})
        connect(exit, &QAction::triggered, this, &TFMain::Exit);
    for (QAction* hint : {m.mnuHint, t.btnHint})
        connect(hint, &QAction::triggered, this, &TFMain::Hint);
    for (QAction* autoplay : {m.mnuAutoplay, t.btnAutoplay})
        connect(autoplay, &QAction::triggered, this, &TFMain::SetAutoplayCommand);

    connect(m.mnuStatistics, &QAction::triggered, this, &TFMain::ShowStatistics);
    connect(m.mnuFullScreen, &QAction::triggered, this, &TFMain::SetFullScreen);
    connect(m.mnuPreferences, &QAction::triggered, this, &TFMain::ShowPreferences);
    m.mnuPreferences->setEnabled(false); // until the dialog exists
}

bool TFMain::event(QEvent* e)
{
    switch (static_cast<int>(e->type())) {
    case WM_STARTGAME:
        StartGameMessage(static_cast<int>(static_cast<TMessage*>(e)->WParam));
        return true;
    case WM_GAMEENDED:
        GameEndedMessage();
        return true;
    case WM_GAMEDESTROYED:
        ShowMessage(tr("Game has received a WM_GAMEDESTROYED! Please report to "
                       "author about this message"),
                    this);
        return true;
    default:
        return QMainWindow::event(e);
    }
}

void TFMain::closeEvent(QCloseEvent* e)
{
    e->setAccepted(EndCurrentGame());
    if (e->isAccepted())
        settings.Window = Placement();
}

bool TFMain::eventFilter(QObject* watched, QEvent* e)
{
    // The client area changes with the window and with the toolbar's visibility.
    if (watched == client && e->type() == QEvent::Resize) {
        LayOutTable();
        if (FGame)
            FGame->ArrangePiles();
    }
    return QMainWindow::eventFilter(watched, e);
}

void TFMain::ShowBoardHint(const QString& hint)
{
    // Qt shows a status tip only when the pointer enters; the game's status line
    // changes while the pointer rests on the board.
    if (FGame && FGame->Board && FGame->Board->underMouse()) statusBar()->showMessage(hint);
}
