#pragma once
#include <QEvent>
#include <QObject>
#include <functional>
#include <utility>

// Shows a test each event that reaches a watched object, while both live; the event
// goes on unless the test's callback answers true.
class TEventSpy : public QObject {
public:
    TEventSpy(QObject& watched, std::function<bool(QEvent&)> seen) : seen(std::move(seen))
    {
        watched.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override { return seen(*e); }

private:
    std::function<bool(QEvent&)> seen;
};
