#pragma once
#include "IconStrips.h"

#include <QKeySequence>
#include <QString>
#include <optional>

class QAction;
class QMenu;
class QMenuBar;

// What a menu item or toolbar button shows: caption, status tip (also its tooltip),
// shortcut and icon.
struct TItemLook {
    QString caption;
    QString hint;
    QKeySequence shortcut = {};
    std::optional<TIconIndex> icon = std::nullopt;
};

// Appends an item to a menu and returns its action.
QAction* AddMenuItem(QMenu& menu, const TItemLook& look, const TIconStrips& icons);
// A sub-menu of the menu bar whose title carries its own status tip.
QMenu* AddSubMenu(QMenuBar& bar, const QString& caption, const QString& hint);
