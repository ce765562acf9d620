// Day counts of the proleptic Gregorian calendar, shared by the files of the
// date module. Internal: callers outside date/ use wide_date.h.
#pragma once

#include <cstdint>

#include "platform/clock.h"

// Ticks of 100 ns in one day.
inline constexpr int64_t TicksPerDay = 864000000000;

// Days from 0000-03-01 to 1601-01-01: four eras of 146,097 days to
// 1600-03-01, then March to December 1600. Eras start on March 1 so that the
// leap day is the last day of its year.
inline constexpr int64_t DaysFromMarchYear0To1601 = 4 * 146097 + 306;

// Days from 1601-01-01 (day 0, a Monday) to year-month-day.
int64_t DaysFromCivil(int32_t year, int32_t month, int32_t day);

// Weekday index (0 = Sunday) of year-month-day.
int32_t WeekdayOfCivil(int32_t year, int32_t month, int32_t day);

// The fields SplitWideDate hands out for `date`, weekday and milliseconds
// included: the clock's reading for a negative date, 9999-12-31 23:59:59
// for any date past the range.
ClockReading FieldsOfWideDate(int64_t date);

// Returns: nothing; writes the civil date of day number `days` (day 0 is
// 1601-01-01) to year, month and day.
// Preconditions: days in 0..3067670 (9999-12-31); the ranges below hold
// there. Everything is unsigned 32-bit, which keeps the divisions cheap,
// and inline, so the fields stay in registers on the way to the caller.
// In-band rules: none.
inline void CivilFromDays(uint32_t days, int32_t& year, int32_t& month, int32_t& day)
{
    const uint32_t z = days + static_cast<uint32_t>(DaysFromMarchYear0To1601);        // [584694, 3652364]
    const uint32_t era = z / 146097;                                                  // [4, 24]
    const uint32_t doe = z - era * 146097;                                            // [0, 146096]
    // Within the era, centuries of 36524.25 days and then 4-year cycles of
    // 1461 days, counted in quarter days so the leap days fall out.
    const uint32_t quarters = 4 * doe + 3;                                            // [3, 584387]
    const uint32_t coe = quarters / 146097;                                           // [0, 3]  century of era
    const uint32_t doc = quarters % 146097 / 4;                                       // [0, 36524]
    // One product gives year and day: 2939745 / 2^32 is 1 / 1461 closely
    // enough that the high half is the quotient and the low half, scaled
    // back, the remainder for every day of a century.
    const uint64_t scaled = uint64_t{2939745} * (4 * doc + 3);
    const uint32_t yoc = static_cast<uint32_t>(scaled >> 32);                         // [0, 99]
    const uint32_t doy = static_cast<uint32_t>(scaled) / 2939745 / 4;                 // [0, 365]  from March 1
    // (5 × doy + 2) / 153 months from March and the day in them, by one
    // product: 2141 / 2^16 stands for 5 / 153.
    const uint32_t monthAndDay = 2141 * doy + 197913;                                 // [197913, 979378]
    const uint32_t marchMonth = monthAndDay >> 16;                                    // [3, 14]  3 is March, 14 February
    const bool januaryOrFebruary = doy >= 306;                                        // past December of the March year
    day = static_cast<int32_t>((monthAndDay & 0xFFFF) / 2141 + 1);                    // [1, 31]
    month = static_cast<int32_t>(januaryOrFebruary ? marchMonth - 12 : marchMonth);   // [1, 12]
    year = static_cast<int32_t>(era * 400 + coe * 100 + yoc + januaryOrFebruary);     // [1601, 9999]
}

// Returns: the calendar fields of second `secondOfDay` of day number `days`,
// weekday included and milliseconds 0.
// Preconditions: days in 0..3067670, secondOfDay in 0..86399.
// In-band rules: none.
inline ClockReading FieldsOfDayAndSecond(uint32_t days, uint32_t secondOfDay)
{
    ClockReading fields{};
    CivilFromDays(days, fields.year, fields.month, fields.day);
    fields.weekday = static_cast<int32_t>((days + 1) % 7);                            // 1601-01-01 was a Monday
    fields.hour = static_cast<int32_t>(secondOfDay / 3600);                           // [0, 23]
    fields.minute = static_cast<int32_t>(secondOfDay / 60 % 60);                      // [0, 59]
    fields.second = static_cast<int32_t>(secondOfDay % 60);                           // [0, 59]
    return fields;
}
