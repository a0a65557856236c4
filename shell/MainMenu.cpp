#include "MainMenu.h"

#include "MenuItems.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

TMainMenu::TMainMenu(QMenuBar& bar, const TIconStrips& icons)
{
    const auto add = [&icons](QMenu* menu, const TItemLook& look) {
        return AddMenuItem(*menu, look, icons);
    };

    mnuPlay = AddSubMenu(bar, tr("&Play"), tr("Play: select a game to play or exit"));
    mnuMover = add(mnuPlay, {tr("&Mover"), tr("Play \"mover\" zelmo")});
    mnuRailway = add(mnuPlay, {tr("&Heap"), tr("Play \"heap\" zelmo")});
    mnuRound = add(mnuPlay, {tr("&Round"), tr("Play \"round\" zelmo")});
    mnuPlay->addSeparator();
    mnuRandomZelmo =
        add(mnuPlay, {tr("Random &Game"), tr("Play random game"), Qt::CTRL | Qt::Key_R, iiPlay});
    mnuEndgame = add(mnuPlay, {tr("&End game"), tr("End current game")});
    mnuPlay->addSeparator();
    mnuExit = add(mnuPlay, {tr("E&xit"), tr("Exit game"), Qt::ALT | Qt::Key_X, iiExit});

    mnuGame = AddSubMenu(bar, tr("&Game"), tr("Game: game options"));
    mnuHint = add(mnuGame, {tr("&Hint"), tr("Suggest a next move (it may be not the best)"),
                            Qt::Key_H, iiHint});
    mnuAutoplay =
        add(mnuGame, {tr("&Autoplay"), tr("Let computer play for you"), Qt::Key_A, iiAutoplay});
    mnuAutoplay->setCheckable(true);
    mnuStatistics =
        add(mnuGame, {tr("&Statistics..."), tr("Show how your games have gone so far")});
    mnuFullScreen = add(mnuGame, {tr("&Full screen"), tr("Show the table on the whole screen"),
                                  Qt::Key_F11});
    mnuFullScreen->setCheckable(true);
    mnuGame->addSeparator();
    mnuPreferences = add(mnuGame, {tr("&Preferences..."), tr("Customize game")});

    mnuHelp = AddSubMenu(bar, tr("&Help"), tr("Help: the stuff to read"));
    mnuRules = add(mnuHelp, {tr("&Rules"), tr("Read game rules"), Qt::Key_F1, iiRules});
    mnuContents = add(mnuHelp, {tr("&Contents"), tr("Show help contents")});
    mnuHelp->addSeparator();
    mnuHomepage =
        add(mnuHelp, {tr("&Christmas Zelmo homepage"), tr("Go to Christmas Zelmo homepage!")});
    mnuAbout = add(mnuHelp, {tr("&About..."), tr("About this game")});

    kindItems = {mnuMover, mnuRailway, mnuRound};
}
