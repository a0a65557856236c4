#pragma once
#include <QCoreApplication>
#include <QKeySequence>
#include <array>

class QAction;
class QMenu;
class QMenuBar;
class TIconStrips;

// The main window's menu bar: Play, Game and Help.
struct TMainMenu {
    Q_DECLARE_TR_FUNCTIONS(TMainMenu)

public:
    TMainMenu(QMenuBar& bar, const TIconStrips& icons);

    // The Play item that starts the given kind.
    QAction* KindItem(int kind) const { return kindItems.at(size_t(kind)); }

    QMenu* mnuPlay;
    QAction* mnuMover;
    QAction* mnuRailway;
    QAction* mnuRound;
    QAction* mnuRandomZelmo;
    QAction* mnuEndgame;
    QAction* mnuExit;

    QMenu* mnuGame;
    QAction* mnuHint;
    QAction* mnuAutoplay;
    QAction* mnuStatistics;
    QAction* mnuFullScreen;
    QAction* mnuPreferences;

    QMenu* mnuHelp;
    QAction* mnuRules;
    QAction* mnuContents;
    QAction* mnuHomepage;
    QAction* mnuAbout;

private:
    std::array<QAction*, 3> kindItems;
};
