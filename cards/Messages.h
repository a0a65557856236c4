#pragma once
#include <QCoreApplication>
#include <QEvent>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

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

// Qt hands a posted event to the receiving thread under a lock of its own that
// ThreadSanitizer cannot see into; these two mark that hand-off for it, so that an
// event made on one thread and read on another is not taken for a race. They cost
// nothing in other builds.
inline void MarkPosted([[maybe_unused]] QEvent* e)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(e);
#endif
}
inline void MarkReceived([[maybe_unused]] QEvent* e)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(e);
#endif
}

// Posting is thread-safe and asynchronous; messages of one target arrive in posting order.
// The receiver of messages from another thread calls MarkReceived before reading one.
inline void PostMessage(QObject* target, int message, qintptr wParam = 0)
{
    auto* e = new TMessage(message, wParam);
    MarkPosted(e);
    QCoreApplication::postEvent(target, e);
}
