#pragma once
#include <QCoreApplication>
#include <QEvent>

// Window message numbers, used as Qt event types (all lie in Qt's user range).
constexpr int WM_USER = 1024;
constexpr int WM_STARTGAME = WM_USER + 1;     // to the main window
constexpr int WM_ANIMATECARDS = WM_USER + 1;  // to a board
constexpr int WM_GAMESTATE = WM_USER + 2;     // a game to itself
constexpr int WM_ANIMATEPILES = WM_USER + 3;  // to a board
constexpr int WM_GAMEDESTROYED = WM_USER + 4; // to the main window
constexpr int WM_GAMEENDED = WM_USER + 5;     // to the main window

// A posted message with its one argument.
class TMessage : public QEvent {
public:
    TMessage(int message, qintptr wParam) : QEvent(QEvent::Type(message)), WParam(wParam) {}
    const qintptr WParam;
};

// Posting is thread-safe and asynchronous; messages of one target arrive in posting order.
inline void PostMessage(QObject* target, int message, qintptr wParam = 0)
{
    QCoreApplication::postEvent(target, new TMessage(message, wParam));
}
