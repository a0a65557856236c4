#pragma once
#include <QObject>
#include <functional>

// Shows a test each event that reaches a watched object, while both live; the event
// goes on unless the test's callback answers true.
struct TEventSpy : QObject {
    TEventSpy(QObject& watched, std::function<bool(QEvent&)> seen) : seen(std::move(seen))
    {
        watched.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override { return seen(*e); }
    std::function<bool(QEvent&)> seen;
};
