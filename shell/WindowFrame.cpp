// The main window's frame: the table size, full screen, and where the window was left.
#include "UMain.h"

#include "Chooser.h"
#include "MainMenu.h"
#include "TableSize.h"
#include "WindowPlacement.h"
#include "ZelmoGame.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>

namespace {

// The frame's buttons: maximise only while the window may change its size.
Qt::WindowFlags FrameFlags(bool resizable)
{
    const Qt::WindowFlags fixed = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                  Qt::WindowCloseButtonHint;
    return resizable ? fixed | Qt::WindowMaximizeButtonHint : fixed;
}

QList<QRect> AvailableScreens()
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    return screens;
}

} // namespace

qreal TFMain::ShownTableScale() const
{
    return fullScreen ? TBoard::FitTable : TableScale(settings.Zoom);
}

QSize TFMain::FixedWindowSize(qreal scale) const
{
    return {qRound(ClientWidth * scale), menuBar()->sizeHint().height() + ClientHeight -
                                             GameAreaHeight + qRound(GameAreaHeight * scale)};
}

void TFMain::ShowTableSize()
{
    const qreal scale = ShownTableScale();
    const bool resizable = scale == TBoard::FitTable;
    if (resizable) {
        setMinimumSize(FixedWindowSize(TableScale(100)));
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        if (isMaximized())
            showNormal();
        setFixedSize(FixedWindowSize(scale));
    }
    if (windowFlags() != FrameFlags(resizable)) {
        // New flags hide the window; it comes back as it was.
        const bool shown = isVisible();
        setWindowFlags(FrameFlags(resizable));
        if (shown)
            show();
    }
    LayOutTable();
}

void TFMain::LayOutTable()
{
    const qreal scale = ShownTableScale();
    pChooseGame->SetTableScale(scale);
    pChooseGame->setFixedSize(scale == TBoard::FitTable ? client->size()
                                                        : QSize(qRound(GameAreaWidth * scale),
                                                                qRound(GameAreaHeight * scale)));
    if (FGame && FGame->Board->TableScale() != scale) {
        FGame->Board->SetTableScale(scale);
        FGame->ArrangePiles();
    }
}

void TFMain::SetFullScreen(bool on)
{
    menu->mnuFullScreen->setChecked(on);
    if (on == fullScreen)
        return;
    fullScreen = on;
    if (on) {
        wasMaximized = isMaximized();
        keptNormal = normalGeometry().isValid() ? normalGeometry() : geometry();
        ShowTableSize();
        showFullScreen();
        // Without a window manager nothing else would make the window cover the screen.
        setGeometry(screen()->geometry());
    } else {
        if (wasMaximized) {
            showMaximized();
        } else {
            showNormal();
            setGeometry(keptNormal);
        }
        ShowTableSize();
    }
}

void TFMain::keyPressEvent(QKeyEvent* e)
{
    // Escape leaves full screen unless the game takes it for ending throwing more.
    const bool gameTakesEscape = FGame && FGame->EndsOnRightPress();
    if (e->key() == Qt::Key_Escape && fullScreen && !gameTakesEscape)
        SetFullScreen(false);
    else
        QMainWindow::keyPressEvent(e);
}

TWindowPlacement TFMain::Placement() const
{
    const QRect normal = fullScreen                   ? keptNormal
                         : normalGeometry().isValid() ? normalGeometry()
                                                      : geometry();
    const int state = fullScreen ? wsFullScreen : isMaximized() ? wsMaximized : wsNormal;
    return {normal.x(), normal.y(), normal.width(), normal.height(), state};
}

void TFMain::ShowAsLeft()
{
    const TWindowPlacement& kept = settings.Window;
    ShowTableSize();
    if (kept.Width > 0 && kept.Height > 0) {
        const QRect onScreen =
            KeptOnScreen(QRect(kept.Left, kept.Top, kept.Width, kept.Height), AvailableScreens());
        if (ShownTableScale() == TBoard::FitTable)
            setGeometry(QRect(onScreen.topLeft(), onScreen.size().expandedTo(minimumSize())));
        else
            move(onScreen.topLeft());
    }
    if (kept.State == wsMaximized && maximumWidth() == QWIDGETSIZE_MAX)
        showMaximized();
    else
        show();
    if (kept.State == wsFullScreen)
        SetFullScreen(true);
}
