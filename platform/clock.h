// The local wall clock: the one place the system asks the machine for "now".
// Qt-free, so the date module and its tests link it without a GUI. Tests swap
// the reading for a fixed one through ReplaceLocalClock.
#pragma once

#include <cstdint>

// Calendar fields of one clock reading, in local wall-clock time.
struct ClockReading {
    int32_t year;        // 1601..9999 on any sane machine
    int32_t month;       // 1..12
    int32_t weekday;     // 0 = Sunday .. 6 = Saturday
    int32_t day;         // 1..31
    int32_t hour;        // 0..23
    int32_t minute;      // 0..59
    int32_t second;      // 0..59 (a leap second reads as 59)
    int32_t millisecond; // 0..999
};

// A source of clock readings; the real one reads the machine's local time.
using ClockSource = ClockReading (*)();

// Reads the current local date and time, milliseconds included.
ClockReading ReadLocalClock();

// Makes ReadLocalClock ask `source` instead; nullptr restores the machine clock.
void ReplaceLocalClock(ClockSource source);
