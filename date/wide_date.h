// Wide dates: calendar dates and times as signed 64-bit counts of units since
// 1601-01-01 00:00:00 local wall-clock time, proleptic Gregorian, no leap
// seconds. With one-second units the usable range is 0 (1601-01-01 00:00:00)
// to 265,046,774,399 (9999-12-31 23:59:59), far past where 32-bit seconds
// since 1970 end.
//
// In-band rules shared by every operation:
//   - a negative WideDate argument stands for the current local date and time;
//   - -1 is the error result, and being negative it reads as "now" when handed
//     back in; nothing tells the two apart.
// Nothing throws and no input, however wild, is undefined behaviour: where a
// count multiplied into units leaves the 64-bit range, the result saturates at
// INT64_MAX or INT64_MIN.
//
// Precondition of every operation: the three settings below have been written
// (TicksPerUnit >= 1, UnitsPerDay >= 1).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/clock.h"

// Units since 1601-01-01 00:00:00; negative means "now" as an argument.
using WideDate = int64_t;

// Unit codes of AddToWideDate; any other code leaves the date unchanged.
enum WideDateUnit : int32_t {
    Years = 0,   // calendar years; the day is clamped to the target month
    Months = 1,  // calendar months; the day is clamped to the target month
    Weeks = 2,   // 7 days
    Days = 3,    // UnitsPerDay units
    Hours = 4,   // a 24th of a day, rounded to the nearest unit
    Minutes = 5, // a 1440th of a day, rounded to the nearest unit
    Seconds = 6, // an 86400th of a day, rounded to the nearest unit
};

// Module settings, written once at start-up before any date operation and
// only read afterwards: TicksPerUnit = 10000000, then
// UnitsPerDay = 864000000000 / TicksPerUnit, then UnixEpochOffset = 11644473600.
extern int64_t TicksPerUnit;    // 100-ns ticks in one unit; 10^7 makes a unit one second
extern int64_t UnitsPerDay;     // units in one day, derived from TicksPerUnit
extern int64_t UnixEpochOffset; // seconds from 1601-01-01 to 1970-01-01; callers add it, the module never reads it

// 9999-12-31 23:59:59.9999999 in ticks: the largest tick count ever split.
inline constexpr int64_t LargestTickCount = 2650467743999999999;

// Three letters per month from January, and per weekday from Sunday.
inline constexpr std::string_view MonthAbbreviations = "JanFebMarAprMayJunJulAugSepOctNovDec";
inline constexpr std::string_view WeekdayAbbreviations = "SunMonTueWedThuFriSat";

// Field sets handed to and from the tick conversions reuse the clock's layout
// (year, month, weekday, day, hour, minute, second, millisecond), so a clock
// reading converts without copying.

// Converts calendar fields (weekday ignored) into 100-ns ticks since 1601;
// false, with `ticks` untouched, when the fields form no valid date and time.
bool TicksFromCalendarFields(const ClockReading& fields, int64_t& ticks);

// Converts 100-ns ticks since 1601 into calendar fields, weekday and
// milliseconds included; counts outside 0..LargestTickCount are clamped into it.
ClockReading CalendarFieldsFromTicks(int64_t ticks);

// Builds a WideDate from fields; -1 for a year outside 1601..9999, 0 for fields
// that form no valid date and time, now when all six are 0.
WideDate MakeWideDate(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second);

// Splits a WideDate into fields; hour, minute and second are written only when
// their destination is given.
void SplitWideDate(WideDate date, int32_t& year, int32_t& month, int32_t& day,
                   int32_t* hour = nullptr, int32_t* minute = nullptr, int32_t* second = nullptr);

// The year of a WideDate, as SplitWideDate gives it.
int32_t YearOfWideDate(WideDate date);

// The month (1..12) of a WideDate, as SplitWideDate gives it.
int32_t MonthOfWideDate(WideDate date);

// The day of the month (1..31) of a WideDate, as SplitWideDate gives it.
int32_t DayOfWideDate(WideDate date);

// Moves a WideDate by `count` units of `unit`; -1 when a move by years or
// months leaves the years 1601..9999.
WideDate AddToWideDate(WideDate date, WideDateUnit unit, int64_t count);

// Days in a month, 28..31; year <= 0 means the current year (and then month
// <= 0 the current month), month <= 0 of a given year means February.
int32_t MonthLength(int32_t year, int32_t month);

// 1 for a Gregorian leap year, else 0; year <= 0 means the current year.
int32_t LeapYearFlag(int32_t year);

// Day of the year, 1..366.
int32_t DayNumberInYear(WideDate date);

// Day of January on which week 1 (the week holding January 4) begins, -2..4,
// for weeks starting on weekday index `firstWeekday`; year <= 0 means this year.
int32_t WeekOneStart(int32_t year, int32_t firstWeekday);

// Weekday index, 0 = Sunday .. 6 = Saturday.
int32_t WeekdayOfWideDate(WideDate date);

// Converts seconds since 1970-01-01 00:00:00 into a WideDate; -1 before 1601.
WideDate WideDateFromUnixSeconds(int64_t seconds);

// Converts a WideDate into seconds since 1970-01-01 00:00:00; -1 before 1970.
int64_t UnixSecondsFromWideDate(WideDate date);

// Replaces the tokens %yyyy %yy %mm %dd %hh %ii %ss %mon %day in `mask` with
// the fields of `date`.
std::string FormatWideDate(std::string_view mask, WideDate date);
