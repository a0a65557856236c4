#include "MenuItems.h"

#include <QMenu>
#include <QMenuBar>

QAction* AddMenuItem(QMenu& menu, const TItemLook& look, const TIconStrips& icons)
{
    QAction* action = menu.addAction(look.caption);
    action->setStatusTip(look.hint);
    action->setShortcut(look.shortcut);
    if (look.icon) action->setIcon(icons.MenuIcon(*look.icon));
    return action;
}

QMenu* AddSubMenu(QMenuBar& bar, const QString& caption, const QString& hint)
{
    auto* menu = new QMenu(caption, &bar);
    menu->menuAction()->setStatusTip(hint);
    bar.addMenu(menu);
    return menu;
}
