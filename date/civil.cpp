// Calendar fields <-> 100-ns ticks since 1601-01-01 00:00:00, proleptic
// Gregorian, no leap seconds. Day counts go through 400-year eras of 146,097
// days whose years start on March 1, so the leap day is the last day of its
// year and month lengths follow a fixed five-month pattern.
#include "date/civil.h"

#include "date/wide_date.h"

namespace {

// Tick counts of years 1601..30827 are exactly the non-negative ones that fit
// in 64 bits.
constexpr int32_t FirstTickYear = 1601;
constexpr int32_t LastTickYear = 30827;

static_assert(sizeof(int64_t) == 8 && sizeof(int32_t) == 4, "the day and tick arithmetic assumes these widths");
static_assert(LargestTickCount / TicksPerDay == 3067670, "9999-12-31 is day 3,067,670");

} // namespace

// Returns: the number of days from 1601-01-01 (day 0) to year-month-day.
// Preconditions: the ranges below hold for year 1601..30827, month 1..12,
// day 1..31. Other int32 fields still give a defined number (64-bit
// arithmetic, floored eras), so a nonsense clock reading does no harm.
// In-band rules: none; validity is the caller's check.
int64_t DaysFromCivil(int32_t year, int32_t month, int32_t day)
{
    const int64_t y = int64_t{year} - (month <= 2);                // [1600, 30827]
    const int64_t era = (y >= 0 ? y : y - 399) / 400;              // [4, 77]
    const int64_t yoe = y - era * 400;                             // [0, 399]
    const int64_t mp = month > 2 ? int64_t{month} - 3 : int64_t{month} + 9; // [0, 11]
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;              // [0, 365]
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;     // [0, 146096]
    return era * 146097 + doe - DaysFromMarchYear0To1601;          // [0, 10674941]
}

// Returns: the weekday index (0 = Sunday .. 6 = Saturday) of year-month-day.
// Preconditions: none; meaningful for valid fields.
// In-band rules: none.
int32_t WeekdayOfCivil(int32_t year, int32_t month, int32_t day)
{
    const int64_t shifted = DaysFromCivil(year, month, day) + 1; // 1601-01-01 was a Monday
    return static_cast<int32_t>((shifted % 7 + 7) % 7);
}

// Returns: true and the tick count of `fields` (weekday ignored) in `ticks`;
// false, leaving `ticks` untouched, when the fields form no valid date and
// time: month outside 1..12, day outside 1..the month's length, hour outside
// 0..23, minute or second outside 0..59. Milliseconds outside 0..999 and
// years outside 1601..30827 (whose counts would be negative or pass 64 bits)
// are rejected the same way; only a clock reading can carry them.
// Preconditions: none.
// In-band rules: none; this is the layer below the WideDate rules.
bool TicksFromCalendarFields(const ClockReading& fields, int64_t& ticks)
{
    if (fields.year < FirstTickYear || fields.year > LastTickYear)
        return false;
    if (fields.month < 1 || fields.month > 12)
        return false;
    if (fields.day < 1 || fields.day > MonthLength(fields.year, fields.month))
        return false;
    if (fields.hour < 0 || fields.hour > 23 || fields.minute < 0 || fields.minute > 59)
        return false;
    if (fields.second < 0 || fields.second > 59 || fields.millisecond < 0 || fields.millisecond > 999)
        return false;
    const int64_t days = DaysFromCivil(fields.year, fields.month, fields.day);                // [0, 10674941]
    const int64_t secondOfDay = fields.hour * 3600 + fields.minute * 60 + fields.second;     // [0, 86399]
    const int64_t tickOfDay = (secondOfDay * 1000 + fields.millisecond) * 10000;            // [0, 863999990000]
    ticks = days * TicksPerDay + tickOfDay;                                                  // [0, 9223149887999990000]
    return true;
}

// Returns: the calendar fields of a tick count, weekday and milliseconds
// included; the tenths of a millisecond below are dropped.
// Preconditions: none; counts below 0 read as 0 and counts above
// LargestTickCount as LargestTickCount, the range the module ever splits.
// In-band rules: none.
ClockReading CalendarFieldsFromTicks(int64_t ticks)
{
    if (ticks < 0)
        ticks = 0;
    if (ticks > LargestTickCount)
        ticks = LargestTickCount;
    const uint64_t count = static_cast<uint64_t>(ticks);
    const uint32_t days = static_cast<uint32_t>(count / TicksPerDay);                 // [0, 3067670]
    const uint64_t tickOfDay = count % TicksPerDay;                                   // [0, 863999999999]
    const uint32_t secondOfDay = static_cast<uint32_t>(tickOfDay / 10000000);         // [0, 86399]

    ClockReading fields = FieldsOfDayAndSecond(days, secondOfDay);
    fields.millisecond = static_cast<int32_t>(tickOfDay % 10000000 / 10000);
    return fields;
}
