// GUI tests of the main window: the program started in-process once, and a
// fresh main window whenever a test needs one.
#pragma once

#include "app/program.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "ui/main_window.h"
#include "ui/schedule.h"

#include <QCoreApplication>

// Starts the program as main() does, once per test executable.
inline void StartProgramOnce()
{
    static bool started = false;
    if (!started)
        StartUp();
    started = true;
}

// Builds a new main window as start-up does, with the clock reading `now`
// while it is built (nullptr: the machine clock), and shows it.
inline void ReopenMainWindow(ClockSource now = nullptr)
{
    StartProgramOnce();
    CloseWindow(MainWindow);
    FreeIconSet(ScheduleIcons);
    ScheduleIcons = 0;
    Registry.events.clear();
    ReplaceLocalClock(now);
    OpenMainWindow();
    ReplaceLocalClock(nullptr);
    ShowWindow(MainWindow);
    QCoreApplication::processEvents();
}

// The widget of window `number`.
inline QWidget* WindowWidget(int number)
{
    const auto found = Registry.windows.find(number);
    return found == Registry.windows.end() ? nullptr : found->second.data();
}
