#include "MainToolBar.h"

#include <QMenu>
#include <QToolButton>
#include <array>

TMainToolBar::TMainToolBar(const TIconStrips& icons, QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("ToolBar1"));
    setMovable(false);
    setFloatable(false);
    setFixedHeight(BandHeight);
    setIconSize(QSize(TIconStrips::IconSize, TIconStrips::IconSize));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setContextMenuPolicy(Qt::PreventContextMenu);

    btnPlay = AddButton(icons, iiPlay, tr("Play"),
                        tr("Press this button for random play or select game from drop-down menu"));
    BuildPopupMenu();
    addSeparator();
    btnHint =
        AddButton(icons, iiHint, tr("Hint"), tr("Suggest the next move (it may be not the best)"));
    btnAutoplay = AddButton(icons, iiAutoplay, tr("Autoplay"), tr("Let computer play for you"));
    btnAutoplay->setCheckable(true);
    addSeparator();
    btnRules = AddButton(icons, iiRules, tr("Rules"), tr("Read game rules"));
    // The exit button has no hint, so no tooltip either.
    ToolButton1 = AddButton(icons, iiExit, QString(), QString());
    widgetForAction(ToolButton1)->setAccessibleName(tr("Exit"));
}

QAction* TMainToolBar::AddButton(const TIconStrips& icons, TIconIndex icon, const QString& caption,
                                 const QString& hint)
{
    QAction* action = addAction(icons.ButtonIcon(icon), caption);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
}

void TMainToolBar::BuildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    pmMover = PopupMenu1->addAction(tr("&Mover"));
    pmRailway = PopupMenu1->addAction(tr("&Heap"));
    pmRound = PopupMenu1->addAction(tr("&Round"));
    PopupMenu1->addSeparator();
    pmRandom = PopupMenu1->addAction(tr("R&andom"));
    // The default item is drawn bold.
    PopupMenu1->setDefaultAction(pmRandom);

    auto* button = qobject_cast<QToolButton*>(widgetForAction(btnPlay));
    button->setMenu(PopupMenu1);
    button->setPopupMode(QToolButton::MenuButtonPopup);
}

QAction* TMainToolBar::KindItem(int kind) const
{
    const std::array<QAction*, 3> items{pmMover, pmRailway, pmRound};
    return items.at(size_t(kind));
}

void TMainToolBar::SetFlat(bool on)
{
    flat = on;
    for (QAction* action : actions())
        if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action)))
            button->setAutoRaise(on);
}
