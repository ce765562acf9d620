#include "platform/registry.h"

#include <QApplication>
#include <QEventLoop>

void QueueControlEvent(int window, int control, int type)
{
    Registry.events.push_back({ControlEvent, window, control, type});
}

// Blocks in the toolkit until one of our own events is queued, so painting,
// typing and the controls' own behaviour go on while the program waits.
int WaitEvent()
{
    EnsureToolkit();
    while (Registry.events.empty())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    Registry.lastEvent = Registry.events.front();
    Registry.events.pop_front();
    return Registry.lastEvent.kind;
}

int EventControl()
{
    return Registry.lastEvent.control;
}

int EventType()
{
    return Registry.lastEvent.type;
}

int EventWindow()
{
    return Registry.lastEvent.window;
}

void PostEvent(int kind, int window, int control)
{
    Registry.events.push_back({kind, window, control, kind == ControlEvent ? 1 : 0});
    // Wake a WaitEvent that is blocked inside the toolkit.
    if (Registry.app)
        QCoreApplication::postEvent(Registry.app, new QEvent(QEvent::User));
}

int CountPendingEvents()
{
    return static_cast<int>(Registry.events.size());
}
