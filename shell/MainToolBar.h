#pragma once
#include "IconStrips.h"

#include <QToolBar>

class QMenu;

// The toolbar of the main window with the Play button's drop-down menu of game kinds.
class TMainToolBar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int BandHeight = 32;

    TMainToolBar(const TIconStrips& icons, QWidget* parent);

    void SetFlat(bool flat);
    bool Flat() const { return flat; }
    // The drop-down item that starts the given kind.
    QAction* KindItem(int kind) const;

    QAction* btnPlay;
    QAction* btnHint;
    QAction* btnAutoplay;
    QAction* btnRules;
    QAction* ToolButton1;

    QMenu* PopupMenu1;
    QAction* pmMover;
    QAction* pmRailway;
    QAction* pmRound;
    QAction* pmRandom;

private:
    QAction* AddButton(const TIconStrips& icons, TIconIndex icon, const QString& caption,
                       const QString& hint);
    void BuildPopupMenu();

    bool flat = true;
};
