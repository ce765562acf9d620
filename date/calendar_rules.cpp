// Calendar rules: month lengths, leap years, day of the year, the start of
// week 1 and the weekday.
#include "date/civil.h"
#include "date/wide_date.h"

namespace {

// Bit n set for the 30-day months n (April, June, September, November) and
// bit 0, which months 32, 64, ... reach after the reduction mod 32.
constexpr uint32_t ThirtyDayMonths = 2645; // 1010'0101'0101 in base 2

} // namespace

// Returns: the length of the month, 28..31: 28 + LeapYearFlag for February,
// else 31 minus bit (month mod 32) of 2645, so 30 for April, June, September
// and November and 31 for the other months and for 13..31. Months above 31
// are reduced mod 32 (32 gives 30, 33 gives 31) so the shift stays in range.
// Preconditions: none.
// In-band rules: year <= 0 means the current year, and then month <= 0 the
// current month (one clock reading for both); for a given year month <= 0
// means February.
int32_t MonthLength(int32_t year, int32_t month)
{
    if (year <= 0) {
        int32_t currentYear = 0, currentMonth = 0, currentDay = 0;
        SplitWideDate(-1, currentYear, currentMonth, currentDay);
        year = currentYear;
        if (month <= 0)
            month = currentMonth;
    }
    if (year > 0 && month <= 0)
        month = 2;
    if (month == 2)
        return 28 + LeapYearFlag(year);
    // & 31 is the mod 32 that keeps even a negative month (only reachable
    // through a clock that reads year <= 0) a valid shift count.
    return 31 - static_cast<int32_t>((ThirtyDayMonths >> (static_cast<uint32_t>(month) & 31)) & 1);
}

// Returns: 1 when the year is divisible by 4 but not by 100, or by 400;
// else 0.
// Preconditions: none.
// In-band rules: year <= 0 means the current year.
int32_t LeapYearFlag(int32_t year)
{
    if (year <= 0)
        year = YearOfWideDate(-1);
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 1 : 0;
}

// Returns: the day of the year of the date, 1 for January 1 up to 365 or
// 366: (date - MakeWideDate(year, 1, 1, 0, 0, 0)) div UnitsPerDay + 1.
// Preconditions: dates above the valid range (reachable only through
// AddToWideDate's clock units) are outside the domain; they still give a
// defined value, the count of days since 9999-01-01 cut to 32 bits.
// In-band rules: a negative date means now, to the nearest unit.
int32_t DayNumberInYear(WideDate date)
{
    if (date < 0)
        date = MakeWideDate(0, 0, 0, 0, 0, 0);
    const WideDate yearStart = MakeWideDate(YearOfWideDate(date), 1, 1, 0, 0, 0); // <= date
    return static_cast<int32_t>((date - yearStart) / UnitsPerDay + 1);
}

// Returns: the day of January on which week 1 begins, weeks starting on
// weekday index firstWeekday and week 1 holding January 4: 1..4 in January,
// 0 for December 31, -1 for December 30, -2 for December 29 of the year
// before. With firstWeekday 1 (Monday) it starts ISO 8601 week 1.
// Preconditions: firstWeekday in 0..6 for a meaningful answer; any other
// value gives 4 + firstWeekday - w (- 7 when firstWeekday > w), cut to 32
// bits. A year above 9999 (or 1..1600) has no WideDate: the -1 that
// MakeWideDate gives stands for now, so its January 4 reads as today.
// In-band rules: year <= 0 means the current year.
int32_t WeekOneStart(int32_t year, int32_t firstWeekday)
{
    if (year <= 0)
        year = YearOfWideDate(-1);
    const int32_t w = WeekdayOfWideDate(MakeWideDate(year, 1, 4, 0, 0, 0)); // [0, 6]
    int64_t start = 4 + int64_t{firstWeekday} - w;
    if (firstWeekday > w)
        start -= 7;
    return static_cast<int32_t>(start);
}

// Returns: the weekday index, 0 = Sunday .. 6 = Saturday: (date div
// UnitsPerDay + 1) mod 7, since 1601-01-01 was a Monday. Dates past the
// valid range follow the same rule.
// Preconditions: none.
// In-band rules: a negative date gives the weekday of the clock's current
// date.
int32_t WeekdayOfWideDate(WideDate date)
{
    if (date < 0) {
        int32_t year = 0, month = 0, day = 0;
        SplitWideDate(date, year, month, day);
        return WeekdayOfCivil(year, month, day);
    }
    return static_cast<int32_t>((date / UnitsPerDay % 7 + 1) % 7);
}
