// Building WideDates from calendar fields or the clock, and splitting them
// back into fields.
#include "date/wide_date.h"

#include "date/civil.h"
#include "date/unit_math.h"

namespace {

// Returns: ⌊(ticks + TicksPerUnit div 2) / TicksPerUnit⌋, the tick count
// rounded to the nearest unit, halves up.
// Preconditions: ticks >= 0, TicksPerUnit >= 1.
// In-band rules: none.
WideDate UnitsFromTicks(int64_t ticks)
{
    const int64_t whole = ticks / TicksPerUnit;          // [0, ticks]
    const int64_t rest = ticks % TicksPerUnit;           // [0, TicksPerUnit - 1]
    // rest + TicksPerUnit div 2 >= TicksPerUnit, written so that nothing can overflow.
    return whole + (rest >= TicksPerUnit - TicksPerUnit / 2 ? 1 : 0);
}

} // namespace

// Returns: the WideDate of the fields; -1 for a year outside 1601..9999; 0
// (1601-01-01 00:00:00) for fields that form no valid date and time.
// Preconditions: none; any int32 fields give a defined result.
// In-band rules: all six 0 means now, read with milliseconds and rounded to
// the nearest unit (12:00:00.500 gives 12:00:01). Year 0 means 1601-01-01 at
// hour:minute:second, whatever month and day hold. Otherwise a month or day
// of exactly 0 becomes 1 and negative ones go on unchanged. Fields are checked
// whole: a month of 65,540 is no month, not April.
WideDate MakeWideDate(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second)
{
    ClockReading fields{};
    if (year == 0 && month == 0 && day == 0 && hour == 0 && minute == 0 && second == 0) {
        fields = ReadLocalClock();
    } else {
        if (year == 0) {
            fields.year = 1601;
            fields.month = 1;
            fields.day = 1;
        } else if (year < 1601 || year > 9999) {
            return -1;
        } else {
            fields.year = year;
            fields.month = month == 0 ? 1 : month;
            fields.day = day == 0 ? 1 : day;
        }
        fields.hour = hour;
        fields.minute = minute;
        fields.second = second;
    }
    // A rejected field set leaves the count at 0: invalid fields give
    // 1601-01-01 00:00:00, silently, not -1.
    int64_t ticks = 0;
    TicksFromCalendarFields(fields, ticks);
    return UnitsFromTicks(ticks);
}

// Returns: the calendar fields of the date, weekday and milliseconds
// included; SplitWideDate and FormatWideDate hand them out.
// Preconditions: none.
// In-band rules: a negative date gives the clock's current reading as it is
// (milliseconds not rounded). Any date whose tick count would pass
// LargestTickCount gives 9999-12-31 23:59:59.
ClockReading FieldsOfWideDate(WideDate date)
{
    if (date < 0)
        return ReadLocalClock();
    if (TicksPerUnit != 10000000) {
        const int64_t ticks = SaturatingMultiply(date, TicksPerUnit); // [0, INT64_MAX]
        return CalendarFieldsFromTicks(ticks < LargestTickCount ? ticks : LargestTickCount);
    }
    // One-second units, the setting in use: whole seconds need no detour
    // through ticks, and LargestTickCount falls on the last second.
    const int64_t lastSecond = LargestTickCount / 10000000;      // 265,046,774,399
    const int64_t seconds = date < lastSecond ? date : lastSecond; // [0, 265046774399]
    const uint32_t days = static_cast<uint32_t>(seconds / 86400);  // [0, 3067670]
    const uint32_t secondOfDay = static_cast<uint32_t>(seconds % 86400); // [0, 86399]
    return FieldsOfDayAndSecond(days, secondOfDay);
}

// Returns: nothing; writes year, month and day, and hour, minute and second
// where a destination is given (nullptr skips it).
// Preconditions: none.
// In-band rules: a negative date gives the clock's current fields, the
// milliseconds dropped, not rounded. Any date whose tick count would pass
// LargestTickCount splits as 9999-12-31 23:59:59.
void SplitWideDate(WideDate date, int32_t& year, int32_t& month, int32_t& day,
                   int32_t* hour, int32_t* minute, int32_t* second)
{
    const ClockReading fields = FieldsOfWideDate(date);
    year = fields.year;
    month = fields.month;
    day = fields.day;
    if (hour)
        *hour = fields.hour;
    if (minute)
        *minute = fields.minute;
    if (second)
        *second = fields.second;
}

// Returns: the year of the date as SplitWideDate gives it.
// Preconditions: none.
// In-band rules: a negative date gives the current year.
int32_t YearOfWideDate(WideDate date)
{
    int32_t year = 0, month = 0, day = 0;
    SplitWideDate(date, year, month, day);
    return year;
}

// Returns: the month of the date as SplitWideDate gives it.
// Preconditions: none.
// In-band rules: a negative date gives the current month.
int32_t MonthOfWideDate(WideDate date)
{
    int32_t year = 0, month = 0, day = 0;
    SplitWideDate(date, year, month, day);
    return month;
}

// Returns: the day of the month of the date as SplitWideDate gives it.
// Preconditions: none.
// In-band rules: a negative date gives the current day of the month.
int32_t DayOfWideDate(WideDate date)
{
    int32_t year = 0, month = 0, day = 0;
    SplitWideDate(date, year, month, day);
    return day;
}
