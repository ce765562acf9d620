// Moving WideDates by calendar and clock units, and converting them to and
// from seconds since 1970.
#include "date/wide_date.h"

#include "date/unit_math.h"

namespace {

// 1970-01-01 is day 134,774 after 1601-01-01.
constexpr int64_t DaysFrom1601To1970 = 134774;
constexpr int64_t SecondsFrom1601To1970 = DaysFrom1601To1970 * 86400;

// Returns: the low 32 bits of the 64-bit sum field + count, as a signed
// field; the sum wraps instead of overflowing.
// Preconditions: none.
// In-band rules: none.
int32_t Low32BitsOfSum(int32_t field, int64_t count)
{
    return static_cast<int32_t>(static_cast<uint64_t>(int64_t{field}) + static_cast<uint64_t>(count));
}

// Returns: date moved by count calendar years (unit Years) or months
// (Months); the time of day is kept and the day clamped to the target month. -1 when the target year lies outside 1601..9999, except year
// 0, which gives 1601-01-01 at the same time of day.
// Preconditions: date >= 0.
// In-band rules: as MakeWideDate for the result.
WideDate MoveByCalendar(WideDate date, WideDateUnit unit, int64_t count)
{
    int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    SplitWideDate(date, year, month, day, &hour, &minute, &second); // year [1601, 9999]
    if (unit == Years) {
        year = Low32BitsOfSum(year, count);
    } else {
        const int32_t m = Low32BitsOfSum(month, count);
        if (m > 12) {
            year += (m - 1) / 12;   // [1601, 178966969]
            month = (m - 1) % 12 + 1;
        } else if (m <= 0) {
            year += m / 12 - 1;     // [-178955370, 9998]; quot truncates toward zero
            month = m % 12 + 12;    // rem takes the sign of m: [1, 12]
        } else {
            month = m;
        }
    }
    const int32_t length = MonthLength(year, month);
    return MakeWideDate(year, month, day < length ? day : length, hour, minute, second);
}

// Returns: date + units, or INT64_MAX / INT64_MIN by the sign of the move
// when the units did not fit in 64 bits (unitsFit false, units pinned) or
// the sum leaves the range.
// Preconditions: date >= 0.
// In-band rules: none; the result is not checked against the valid range.
WideDate MoveByUnits(WideDate date, int64_t units, bool unitsFit)
{
    return unitsFit ? SaturatingAdd(date, units) : units;
}

} // namespace

// Returns: date moved by count units of `unit`. Years and Months: the time
// of day kept, the day clamped to the target month, -1 outside the years
// 1601..9999 (year 0 gives 1601-01-01 at the same time). Weeks and Days:
// date + count × UnitsPerDay (× 7). Hours, Minutes, Seconds: the count
// converted to units and rounded to the nearest unit, halves up, for negative
// counts as for positive ones. Any other unit code: the date unchanged.
// Preconditions: none. The year sum is cut to 32 bits. Weeks..Seconds check
// no range; a move whose units leave the 64-bit range, or a sum that does,
// gives INT64_MAX (splits as 9999-12-31 23:59:59) or INT64_MIN (reads as
// now) by the sign of the move.
// In-band rules: a negative date is first replaced by now to the nearest
// unit, whatever the unit.
WideDate AddToWideDate(WideDate date, WideDateUnit unit, int64_t count)
{
    if (date < 0)
        date = MakeWideDate(0, 0, 0, 0, 0, 0);
    int64_t units = 0;
    switch (unit) {
    case Years:
    case Months:
        return MoveByCalendar(date, unit, count);
    case Weeks: {
        int64_t dayUnits = 0;
        if (!MultiplyFits(count, UnitsPerDay, dayUnits))
            return dayUnits; // pinned by the sign of the move
        return MoveByUnits(date, units, MultiplyFits(dayUnits, 7, units));
    }
    case Days:
        return MoveByUnits(date, units, MultiplyFits(count, UnitsPerDay, units));
    case Hours:
        return MoveByUnits(date, units, RoundedUnitsFit(count, UnitsPerDay, 24, units));
    case Minutes:
        return MoveByUnits(date, units, RoundedUnitsFit(count, UnitsPerDay, 1440, units));
    case Seconds:
        return MoveByUnits(date, units, RoundedUnitsFit(count, UnitsPerDay, 86400, units));
    }
    return date;
}

// Returns: the WideDate of `seconds` since 1970-01-01 00:00:00, rounded to
// the nearest unit (halves up, toward minus infinity); -1 when it falls
// before 1601-01-01 00:00:00.
// Preconditions: none; seconds whose units leave the 64-bit range give
// INT64_MAX when positive and -1 when negative.
// In-band rules: -1 is the error result.
WideDate WideDateFromUnixSeconds(int64_t seconds)
{
    const int64_t base = SaturatingMultiply(DaysFrom1601To1970, UnitsPerDay); // 1970-01-01 in units
    int64_t units = 0;
    const bool fits = TicksPerUnit == 1 ? MultiplyFits(seconds, 10000000, units)
                                        : RoundedUnitsFit(seconds, UnitsPerDay, 86400, units);
    const int64_t result = fits ? SaturatingAdd(units, base) : units;
    return result < 0 ? -1 : result;
}

// Returns: the seconds since 1970-01-01 00:00:00 of the date, rounded to the
// nearest second; -1 for a date before 1970-01-01 00:00:00.
// Preconditions: none; the result of any non-negative date fits.
// In-band rules: a negative date stands for now (to the nearest unit), like
// every negative date handed to the module; -1 is the error result.
int64_t UnixSecondsFromWideDate(WideDate date)
{
    if (date < 0)
        date = MakeWideDate(0, 0, 0, 0, 0, 0);
    int64_t seconds = 0;
    if (TicksPerUnit == 1) {
        // (date + 5,000,000) quot 10,000,000, split so the sum cannot overflow.
        seconds = date / 10000000 + (date % 10000000 >= 5000000 ? 1 : 0);
    } else {
        // (date × 86,400 + UnitsPerDay quot 2) quot UnitsPerDay, exact for
        // every date: whole days and the rest of a day are converted apart.
        const int64_t wholeDays = date / UnitsPerDay;  // [0, INT64_MAX / UnitsPerDay]
        const int64_t rest = date % UnitsPerDay;       // [0, UnitsPerDay - 1]
        seconds = SaturatingAdd(SaturatingMultiply(wholeDays, 86400), (rest * 86400 + UnitsPerDay / 2) / UnitsPerDay);
    }
    const int64_t result = seconds - SecondsFrom1601To1970;
    return result < 0 ? -1 : result;
}
