#include "MainMenu.h"

#include "MenuItems.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

TMainMenu::TMainMenu(QMenuBar& bar, const TIconStrips& icons)
{
    const auto add = [&icons](QMenu* menu, const TItemLook& look) {
        return AddMenuItem(*menu, look, icons);
    };

    mnuPlay = AddSubMenu(bar, "&Play", "Play: select a game to play or exit");
    mnuMover = add(mnuPlay, {"&Mover", R"(Play "mover" zelmo)"});
    mnuRailway = add(mnuPlay, {"&Heap", R"(Play "heap" zelmo)"});
    mnuRound = add(mnuPlay, {"&Round", R"(Play "round" zelmo)"});
    mnuPlay->addSeparator();
    mnuRandomZelmo =
        add(mnuPlay, {"Random &Game", "Play random game", Qt::CTRL | Qt::Key_R, iiPlay});
    mnuEndgame = add(mnuPlay, {"&End game", "End current game"});
    mnuPlay->addSeparator();
    mnuExit = add(mnuPlay, {"E&xit", "Exit game", Qt::ALT | Qt::Key_X, iiExit});

    mnuGame = AddSubMenu(bar, "&Game", "Game: game options");
    mnuHint =
        add(mnuGame, {"&Hint", "Suggest a next move (it may be not the best)", Qt::Key_H, iiHint});
    mnuAutoplay = add(mnuGame, {"&Autoplay", "Let computer play for you", Qt::Key_A, iiAutoplay});
    mnuAutoplay->setCheckable(true);
    mnuStatistics = add(mnuGame, {"&Statistics...", "Show how your games have gone so far"});
    mnuFullScreen = add(
        mnuGame, {QCoreApplication::translate("TMainMenu", "&Full screen"),
                  QCoreApplication::translate("TMainMenu", "Show the table on the whole screen"),
                  Qt::Key_F11});
    mnuFullScreen->setCheckable(true);
    mnuGame->addSeparator();
    mnuPreferences = add(mnuGame, {"&Preferences...", "Customize game"});

    mnuHelp = AddSubMenu(bar, "&Help", "Help: the stuff to read");
    mnuRules = add(mnuHelp, {"&Rules", "Read game rules", Qt::Key_F1, iiRules});
    mnuContents = add(mnuHelp, {"&Contents", "Show help contents"});
    mnuHelp->addSeparator();
    mnuHomepage = add(mnuHelp, {"&Christmas Zelmo homepage", "Go to Christmas Zelmo homepage!"});
    mnuAbout = add(mnuHelp, {"&About...", "About this game"});

    kindItems = {mnuMover, mnuRailway, mnuRound};
}
