// Wide dates: construction, splitting, calendar arithmetic and the calendar
// rules, checked against fixed values and against C++20 <chrono> civil dates.
#include "date_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace {

// The reading the replaced clock hands out.
ClockReading FixedReading{};

// Clock source for tests: always FixedReading.
ClockReading ReadFixedClock()
{
    return FixedReading;
}

// A clock reading of the given local time; the weekday follows from the date.
ClockReading Reading(int y, int m, int d, int h, int mi, int s, int ms)
{
    const chr::weekday w{chr::sys_days{chr::year{y} / m / d}};
    return ClockReading{y, m, static_cast<int32_t>(w.c_encoding()), d, h, mi, s, ms};
}

// Makes the module read FixedReading, set to `reading`, as its clock.
void UseFixedClock(const ClockReading& reading)
{
    FixedReading = reading;
    ReplaceLocalClock(ReadFixedClock);
}

// Gives the module the machine clock back.
void UseMachineClock()
{
    ReplaceLocalClock(nullptr);
}

// Writes other settings, as start-up would with another unit.
void UseUnits(int64_t ticksPerUnit)
{
    TicksPerUnit = ticksPerUnit;
    UnitsPerDay = 864000000000 / TicksPerUnit;
}

// Rows that run with the settings of their own `ticksPerUnit` column, and
// the start-up settings back afterwards.
template <typename Row>
class OwnUnitsTest : public ::testing::TestWithParam<Row> {
protected:
    void SetUp() override { UseUnits(this->GetParam().ticksPerUnit); }
    void TearDown() override { UseUnits(10000000); }
};

// Rows that run on the clock reading of their own `reading` column.
template <typename Row>
class OwnClockTest : public ::testing::TestWithParam<Row> {
protected:
    void SetUp() override { UseFixedClock(this->GetParam().reading); }
    void TearDown() override { UseMachineClock(); }
};

// Epoch facts come first: everything else is counted from them.

TEST(EpochFacts, Day0Is1601January1AMonday)
{
    EXPECT_EQ(MakeWideDate(1601, 1, 1, 0, 0, 0), 0);
    EXPECT_EQ(WeekdayOfWideDate(0), 1);
}

TEST(EpochFacts, Unix1970IsDay134774)
{
    EXPECT_EQ(MakeWideDate(1970, 1, 1, 0, 0, 0), 11644473600);
    EXPECT_EQ(MakeWideDate(1970, 1, 1, 0, 0, 0), UnixEpochOffset);
    EXPECT_EQ(MakeWideDate(1970, 1, 1, 0, 0, 0) / UnitsPerDay, 134774);
    EXPECT_EQ(UnitsPerDay, 86400);
}

// Tick conversions.

struct TicksRow {
    const char* name;
    ClockReading fields;
    bool accepted;
    int64_t ticks; // when accepted
};

const TicksRow TicksRows[] = {
    {"FirstTick", {1601, 1, 0, 1, 0, 0, 0, 0}, true, 0},
    {"OneMillisecond", {1601, 1, 0, 1, 0, 0, 0, 1}, true, 10000},
    {"April8_2011", {2011, 4, 0, 8, 9, 5, 3, 0}, true, 129467271030000000},
    {"LargestTickCountLessOneTick", {9999, 12, 0, 31, 23, 59, 59, 999}, true, 2650467743999990000},
    {"WeekdayIgnored", {2011, 4, 6, 8, 0, 0, 0, 0}, true, 129466944000000000},
    {"Year1600", {1600, 12, 0, 31, 23, 59, 59, 999}, false, 0},
    {"Year30827", {30827, 12, 0, 31, 23, 59, 59, 999}, true, 9223149887999990000},
    {"Year30828", {30828, 1, 0, 1, 0, 0, 0, 0}, false, 0},
    {"Month0", {2011, 0, 0, 1, 0, 0, 0, 0}, false, 0},
    {"Month12", {2011, 12, 0, 1, 0, 0, 0, 0}, true, Wide(2011, 12, 1) * 10000000},
    {"Month13", {2011, 13, 0, 1, 0, 0, 0, 0}, false, 0},
    {"Day0", {2011, 1, 0, 0, 0, 0, 0, 0}, false, 0},
    {"Feb28Of2011", {2011, 2, 0, 28, 0, 0, 0, 0}, true, Wide(2011, 2, 28) * 10000000},
    {"Feb29Of2011", {2011, 2, 0, 29, 0, 0, 0, 0}, false, 0},
    {"Feb29Of2012", {2012, 2, 0, 29, 0, 0, 0, 0}, true, Wide(2012, 2, 29) * 10000000},
    {"Feb30Of2012", {2012, 2, 0, 30, 0, 0, 0, 0}, false, 0},
    {"Feb29Of1900", {1900, 2, 0, 29, 0, 0, 0, 0}, false, 0},
    {"Feb29Of2000", {2000, 2, 0, 29, 0, 0, 0, 0}, true, Wide(2000, 2, 29) * 10000000},
    {"April31", {2011, 4, 0, 31, 0, 0, 0, 0}, false, 0},
    {"HourMinus1", {2011, 4, 0, 8, -1, 0, 0, 0}, false, 0},
    {"Hour24", {2011, 4, 0, 8, 24, 0, 0, 0}, false, 0},
    {"Minute60", {2011, 4, 0, 8, 0, 60, 0, 0}, false, 0},
    {"Second60", {2011, 4, 0, 8, 0, 0, 60, 0}, false, 0},
    {"SecondMinus1", {2011, 4, 0, 8, 0, 0, -1, 0}, false, 0},
    {"Millisecond1000", {2011, 4, 0, 8, 0, 0, 0, 1000}, false, 0},
    {"AllInt32Max", {Max32, Max32, Max32, Max32, Max32, Max32, Max32, Max32}, false, 0},
};

class TicksFromFieldsTest : public ::testing::TestWithParam<TicksRow> {};

TEST_P(TicksFromFieldsTest, ConvertsOrLeavesOutputUntouched)
{
    const TicksRow& row = GetParam();
    int64_t ticks = -12345;
    EXPECT_EQ(TicksFromCalendarFields(row.fields, ticks), row.accepted);
    EXPECT_EQ(ticks, row.accepted ? row.ticks : -12345);
    if (!row.accepted || row.ticks > LargestTickCount)
        return; // no way back
    const ClockReading back = CalendarFieldsFromTicks(row.ticks);
    EXPECT_EQ(back.year, row.fields.year);
    EXPECT_EQ(back.month, row.fields.month);
    EXPECT_EQ(back.day, row.fields.day);
    EXPECT_EQ(back.hour, row.fields.hour);
    EXPECT_EQ(back.minute, row.fields.minute);
    EXPECT_EQ(back.second, row.fields.second);
    EXPECT_EQ(back.millisecond, row.fields.millisecond);
}

INSTANTIATE_TEST_SUITE_P(Table, TicksFromFieldsTest, ::testing::ValuesIn(TicksRows), RowName<TicksRow>);

struct FieldsRow {
    const char* name;
    int64_t ticks;
    ClockReading fields;
};

const FieldsRow FieldsRows[] = {
    {"BelowZeroReadsAsZero", -1, {1601, 1, 1, 1, 0, 0, 0, 0}},
    {"Int64MinReadsAsZero", Min64, {1601, 1, 1, 1, 0, 0, 0, 0}},
    {"Zero", 0, {1601, 1, 1, 1, 0, 0, 0, 0}},
    {"TenthOfMillisecondDropped", 9999, {1601, 1, 1, 1, 0, 0, 0, 0}},
    {"LargestTickCount", LargestTickCount, {9999, 12, 5, 31, 23, 59, 59, 999}},
    {"AboveLargestReadsAsLargest", LargestTickCount + 1, {9999, 12, 5, 31, 23, 59, 59, 999}},
    {"Int64MaxReadsAsLargest", Max64, {9999, 12, 5, 31, 23, 59, 59, 999}},
};

class FieldsFromTicksTest : public ::testing::TestWithParam<FieldsRow> {};

TEST_P(FieldsFromTicksTest, GivesFieldsWeekdayAndMilliseconds)
{
    const FieldsRow& row = GetParam();
    const ClockReading f = CalendarFieldsFromTicks(row.ticks);
    EXPECT_EQ(f.year, row.fields.year);
    EXPECT_EQ(f.month, row.fields.month);
    EXPECT_EQ(f.weekday, row.fields.weekday);
    EXPECT_EQ(f.day, row.fields.day);
    EXPECT_EQ(f.hour, row.fields.hour);
    EXPECT_EQ(f.minute, row.fields.minute);
    EXPECT_EQ(f.second, row.fields.second);
    EXPECT_EQ(f.millisecond, row.fields.millisecond);
}

INSTANTIATE_TEST_SUITE_P(Table, FieldsFromTicksTest, ::testing::ValuesIn(FieldsRows), RowName<FieldsRow>);

// MakeWideDate.

struct MakeRow {
    const char* name;
    int32_t year, month, day, hour, minute, second;
    WideDate expected;
};

const MakeRow MakeRows[] = {
    {"April8_2011", 2011, 4, 8, 0, 0, 0, 12946694400},
    {"First1601", 1601, 1, 1, 0, 0, 0, 0},
    {"Unix1970", 1970, 1, 1, 0, 0, 0, 11644473600},
    {"Last9999", 9999, 12, 31, 23, 59, 59, 265046774399},
    {"YearZeroIsTimeOfDay", 0, 0, 0, 12, 30, 0, 45000},
    {"YearZeroIgnoresMonthAndDay", 0, 5, 20, 0, 0, 1, 1},
    {"YearZeroBadHour", 0, 0, 0, 24, 0, 0, 0},
    {"MonthAndDayZeroMeanJanuary1", 2011, 0, 0, 0, 0, 0, 12938313600},
    {"DayZeroMeansFirst", 2011, 4, 0, 0, 0, 0, Wide(2011, 4, 1)},
    {"Year1600", 1600, 12, 31, 0, 0, 0, -1},
    {"Year10000", 10000, 1, 1, 0, 0, 0, -1},
    {"YearMinus5", -5, 1, 1, 0, 0, 0, -1},
    {"YearInt32Min", Min32, 1, 1, 0, 0, 0, -1},
    {"YearInt32Max", Max32, 1, 1, 0, 0, 0, -1},
    {"Feb28Of2011", 2011, 2, 28, 0, 0, 0, Wide(2011, 2, 28)},
    {"Feb29Of2011", 2011, 2, 29, 0, 0, 0, 0},
    {"Feb29Of2012", 2012, 2, 29, 0, 0, 0, Wide(2012, 2, 29)},
    {"Feb30Of2012", 2012, 2, 30, 0, 0, 0, 0},
    {"April30", 2011, 4, 30, 0, 0, 0, Wide(2011, 4, 30)},
    {"April31", 2011, 4, 31, 0, 0, 0, 0},
    {"January31", 2011, 1, 31, 0, 0, 0, Wide(2011, 1, 31)},
    {"January32", 2011, 1, 32, 0, 0, 0, 0},
    {"Month12", 2011, 12, 1, 0, 0, 0, Wide(2011, 12, 1)},
    {"Month13", 2011, 13, 1, 0, 0, 0, 0},
    {"MonthMinus1", 2011, -1, 1, 0, 0, 0, 0},
    {"DayMinus1", 2011, 4, -1, 0, 0, 0, 0},
    {"Month65540IsNoMonth", 2011, 65540, 8, 0, 0, 0, 0},
    {"Month65536IsNoMonth", 2011, 65536, 8, 0, 0, 0, 0},
    {"MonthInt32Max", 2011, Max32, 8, 0, 0, 0, 0},
    {"MonthInt32Min", 2011, Min32, 8, 0, 0, 0, 0},
    {"DayInt32Max", 2011, 4, Max32, 0, 0, 0, 0},
    {"Hour23", 2011, 4, 8, 23, 0, 0, Wide(2011, 4, 8, 23)},
    {"Hour24", 2011, 4, 8, 24, 0, 0, 0},
    {"HourMinus1", 2011, 4, 8, -1, 0, 0, 0},
    {"Hour65536IsNoHour", 2011, 4, 8, 65536, 0, 0, 0},
    {"Minute59", 2011, 4, 8, 0, 59, 0, Wide(2011, 4, 8, 0, 59)},
    {"Minute60", 2011, 4, 8, 0, 60, 0, 0},
    {"Second59", 2011, 4, 8, 0, 0, 59, Wide(2011, 4, 8, 0, 0, 59)},
    {"Second60", 2011, 4, 8, 0, 0, 60, 0},
    {"AllInt32Min", Min32, Min32, Min32, Min32, Min32, Min32, -1},
};

class MakeWideDateTest : public ::testing::TestWithParam<MakeRow> {};

TEST_P(MakeWideDateTest, GivesDateOrInBandResult)
{
    const MakeRow& r = GetParam();
    EXPECT_EQ(MakeWideDate(r.year, r.month, r.day, r.hour, r.minute, r.second), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, MakeWideDateTest, ::testing::ValuesIn(MakeRows), RowName<MakeRow>);

// SplitWideDate and the one-field accessors, over one table.

struct SplitRow {
    const char* name;
    WideDate date;
    int32_t year, month, day, hour, minute, second;
};

const SplitRow SplitRows[] = {
    {"Zero", 0, 1601, 1, 1, 0, 0, 0},
    {"LastSecondOfDay0", 86399, 1601, 1, 1, 23, 59, 59},
    {"Day1", 86400, 1601, 1, 2, 0, 0, 0},
    {"April8_2011", 12946694400, 2011, 4, 8, 0, 0, 0},
    {"April8_2011Morning", 12946727103, 2011, 4, 8, 9, 5, 3},
    {"LeapDay2012", Wide(2012, 2, 29, 23, 59, 59), 2012, 2, 29, 23, 59, 59},
    {"Last9999LessOne", LastValid - 1, 9999, 12, 31, 23, 59, 58},
    {"Last9999", LastValid, 9999, 12, 31, 23, 59, 59},
    {"PastLast9999", LastValid + 1, 9999, 12, 31, 23, 59, 59},
    {"Int64Max", Max64, 9999, 12, 31, 23, 59, 59},
};

class SplitWideDateTest : public ::testing::TestWithParam<SplitRow> {};

TEST_P(SplitWideDateTest, WritesAllSixFields)
{
    const SplitRow& r = GetParam();
    int32_t y = -7, m = -7, d = -7, h = -7, mi = -7, s = -7;
    SplitWideDate(r.date, y, m, d, &h, &mi, &s);
    EXPECT_EQ(y, r.year);
    EXPECT_EQ(m, r.month);
    EXPECT_EQ(d, r.day);
    EXPECT_EQ(h, r.hour);
    EXPECT_EQ(mi, r.minute);
    EXPECT_EQ(s, r.second);
}

TEST_P(SplitWideDateTest, WritesOnlyTheTimeDestinationsGiven)
{
    const SplitRow& r = GetParam();
    int32_t y = -7, m = -7, d = -7, mi = -7;
    SplitWideDate(r.date, y, m, d, nullptr, &mi, nullptr);
    EXPECT_EQ(y, r.year);
    EXPECT_EQ(m, r.month);
    EXPECT_EQ(d, r.day);
    EXPECT_EQ(mi, r.minute);
}

TEST_P(SplitWideDateTest, AccessorsAgreeWithSplit)
{
    const SplitRow& r = GetParam();
    EXPECT_EQ(YearOfWideDate(r.date), r.year);
    EXPECT_EQ(MonthOfWideDate(r.date), r.month);
    EXPECT_EQ(DayOfWideDate(r.date), r.day);
}

INSTANTIATE_TEST_SUITE_P(Table, SplitWideDateTest, ::testing::ValuesIn(SplitRows), RowName<SplitRow>);

// Other unit settings take the general way through ticks.

struct UnitsSplitRow {
    const char* name;
    int64_t ticksPerUnit;
    WideDate date;
    int32_t year, month, day, hour, minute, second;
};

const UnitsSplitRow UnitsSplitRows[] = {
    {"TickUnitsZero", 1, 0, 1601, 1, 1, 0, 0, 0},
    {"TickUnitsUnixEpoch", 1, 116444736000000000, 1970, 1, 1, 0, 0, 0},
    {"TickUnitsFractionDropped", 1, 116444736009999999, 1970, 1, 1, 0, 0, 0},
    {"TickUnitsLargestLessOne", 1, LargestTickCount - 10000000, 9999, 12, 31, 23, 59, 58},
    {"TickUnitsLargest", 1, LargestTickCount, 9999, 12, 31, 23, 59, 59},
    {"TickUnitsPastLargest", 1, LargestTickCount + 1, 9999, 12, 31, 23, 59, 59},
    {"TickUnitsInt64Max", 1, Max64, 9999, 12, 31, 23, 59, 59},
    {"TwoHourUnitsEpoch", 72000000000, 1617288, 1970, 1, 1, 0, 0, 0},
    {"TwoHourUnitsNext", 72000000000, 1617289, 1970, 1, 1, 2, 0, 0},
    {"TwoHourUnitsLastWhole", 72000000000, 36812051, 9999, 12, 31, 22, 0, 0},
    {"TwoHourUnitsPastLargest", 72000000000, 36812052, 9999, 12, 31, 23, 59, 59},
    {"TwoHourUnitsInt64MaxProduct", 72000000000, Max64, 9999, 12, 31, 23, 59, 59},
};

using UnitsSplitTest = OwnUnitsTest<UnitsSplitRow>;

TEST_P(UnitsSplitTest, SplitsThroughTicks)
{
    const UnitsSplitRow& r = GetParam();
    int32_t y = -7, m = -7, d = -7, h = -7, mi = -7, s = -7;
    SplitWideDate(r.date, y, m, d, &h, &mi, &s);
    EXPECT_EQ(y, r.year);
    EXPECT_EQ(m, r.month);
    EXPECT_EQ(d, r.day);
    EXPECT_EQ(h, r.hour);
    EXPECT_EQ(mi, r.minute);
    EXPECT_EQ(s, r.second);
}

INSTANTIATE_TEST_SUITE_P(Table, UnitsSplitTest, ::testing::ValuesIn(UnitsSplitRows), RowName<UnitsSplitRow>);

struct UnitsMakeRow {
    const char* name;
    int64_t ticksPerUnit;
    int32_t year, month, day, hour, minute, second;
    WideDate expected;
};

const UnitsMakeRow UnitsMakeRows[] = {
    {"TickUnitsUnixEpoch", 1, 1970, 1, 1, 0, 0, 0, 116444736000000000},
    {"TickUnitsLast", 1, 9999, 12, 31, 23, 59, 59, LargestTickCount - 9999999},
    {"TwoHourUnitsWhole", 72000000000, 2011, 4, 8, 2, 0, 0, 1798153},
    {"TwoHourUnitsHalfRoundsUp", 72000000000, 2011, 4, 8, 1, 0, 0, 1798153},
    {"TwoHourUnitsBelowHalf", 72000000000, 2011, 4, 8, 0, 59, 59, 1798152},
};

using UnitsMakeTest = OwnUnitsTest<UnitsMakeRow>;

TEST_P(UnitsMakeTest, RoundsTicksToNearestUnit)
{
    const UnitsMakeRow& r = GetParam();
    EXPECT_EQ(MakeWideDate(r.year, r.month, r.day, r.hour, r.minute, r.second), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, UnitsMakeTest, ::testing::ValuesIn(UnitsMakeRows), RowName<UnitsMakeRow>);

// AddToWideDate.

struct AddRow {
    const char* name;
    WideDate date;
    int32_t unit;
    int64_t count;
    WideDate expected;
};

constexpr WideDate April8 = 12946694400; // 2011-04-08 00:00:00

const AddRow AddRows[] = {
    // Months: clamping, normalisation of m around 1..12, the year limits.
    {"MonthsLeapFebruaryClamp", Wide(2012, 1, 31, 10), Months, 1, Wide(2012, 2, 29, 10)},
    {"MonthsCommonFebruaryClamp", Wide(2011, 1, 31, 10), Months, 1, Wide(2011, 2, 28, 10)},
    {"MonthsToM1", April8, Months, -3, Wide(2011, 1, 8)},
    {"MonthsToM0", April8, Months, -4, Wide(2010, 12, 8)},
    {"MonthsToMMinus1", April8, Months, -5, Wide(2010, 11, 8)},
    {"MonthsToMMinus9", April8, Months, -13, Wide(2010, 3, 8)},
    {"MonthsToMMinus11", April8, Months, -15, Wide(2010, 1, 8)},
    {"MonthsToMMinus12", April8, Months, -16, Wide(2009, 12, 8)},
    {"MonthsToMMinus13", April8, Months, -17, Wide(2009, 11, 8)},
    {"MonthsToM12", April8, Months, 8, Wide(2011, 12, 8)},
    {"MonthsToM13", April8, Months, 9, Wide(2012, 1, 8)},
    {"MonthsToM24", April8, Months, 20, Wide(2012, 12, 8)},
    {"MonthsToM25", April8, Months, 21, Wide(2013, 1, 8)},
    {"MonthsZero", Wide(2011, 4, 8, 7, 6, 5), Months, 0, Wide(2011, 4, 8, 7, 6, 5)},
    {"MonthsToJanuary1601", April8, Months, -4923, Wide(1601, 1, 8)},
    {"MonthsToDecember1600", April8, Months, -4924, -1},
    {"MonthsToDecember9999", April8, Months, 95864, Wide(9999, 12, 8)},
    {"MonthsToJanuary10000", April8, Months, 95865, -1},
    {"MonthsToYearZero", Wide(2011, 4, 8, 7), Months, -24124, 25200},
    {"MonthsInt64MaxCutTo32Bits", April8, Months, Max64, Wide(2011, 3, 8)},
    {"MonthsInt64MinCutTo32Bits", April8, Months, Min64, April8},
    {"MonthsInt32Max", April8, Months, Max32, -1},
    {"MonthsFromPastRange", Max64, Months, -1, Wide(9999, 11, 30, 23, 59, 59)},
    // Years.
    {"YearsLeapDayToCommon", Wide(2012, 2, 29), Years, 1, Wide(2013, 2, 28)},
    {"YearsLeapDayToLeap", Wide(2012, 2, 29), Years, 4, Wide(2016, 2, 29)},
    {"YearsTo1601", April8, Years, -410, Wide(1601, 4, 8)},
    {"YearsTo1600", April8, Years, -411, -1},
    {"YearsTo9999", April8, Years, 7988, Wide(9999, 4, 8)},
    {"YearsTo10000", April8, Years, 7989, -1},
    {"YearsToYearZeroKeepsTime", Wide(2011, 4, 8, 7), Years, -2011, 25200},
    {"YearsToYearMinus1", Wide(2011, 4, 8, 7), Years, -2012, -1},
    {"YearsInt64MaxCutTo32Bits", April8, Years, Max64, Wide(2010, 4, 8)},
    {"YearsInt64MinCutTo32Bits", April8, Years, Min64, April8},
    {"Years2Pow32CutTo32Bits", April8, Years, int64_t{1} << 32, April8},
    {"YearsInt32Max", April8, Years, Max32, -1},
    // Weeks and days check no range.
    {"Weeks2", April8, Weeks, 2, Wide(2011, 4, 22)},
    {"Days100", April8, Days, 100, Wide(2011, 7, 17)},
    {"DaysMinus100", April8, Days, -100, Wide(2010, 12, 29)},
    {"DaysBelowZero", 0, Days, -1, -86400},
    {"DaysPastLast", LastValid, Days, 1, LastValid + 86400},
    {"DaysLargestExactCount", 0, Days, Max64 / 86400, Max64 / 86400 * 86400},
    {"DaysCountOverflowSaturates", 0, Days, Max64 / 86400 + 1, Max64},
    {"DaysInt64MaxCount", 0, Days, Max64, Max64},
    {"DaysInt64MinCount", 0, Days, Min64, Min64},
    {"DaysSumOverflowSaturates", Max64, Days, 1, Max64},
    {"WeeksLargestExactCount", 0, Weeks, Max64 / 604800, Max64 / 604800 * 604800},
    {"WeeksCountOverflowSaturates", 0, Weeks, Max64 / 604800 + 1, Max64},
    {"WeeksInt64MinCount", April8, Weeks, Min64, Min64},
    // Clock units.
    {"Hours1", April8, Hours, 1, April8 + 3600},
    {"HoursMinus1", April8, Hours, -1, April8 - 3600},
    {"Minutes90", April8, Minutes, 90, April8 + 5400},
    {"SecondsMinus5", April8, Seconds, -5, April8 - 5},
    {"SecondsPastLast", LastValid, Seconds, 1, LastValid + 1},
    {"HoursExactPastProductRange", 0, Hours, 200000000000000, 720000000000000000},
    {"HoursInt64Max", 0, Hours, Max64, Max64},
    {"HoursInt64Min", 0, Hours, Min64, Min64},
    {"HoursSumBelowMax", Max64 - 3601, Hours, 1, Max64 - 1},
    {"HoursSumAtMax", Max64 - 3600, Hours, 1, Max64},
    {"HoursSumAboveMax", Max64 - 3599, Hours, 1, Max64},
    {"MinutesInt64Min", April8, Minutes, Min64, Min64},
    {"SecondsInt64Max", April8, Seconds, Max64, Max64},
    {"SecondsInt64Min", 0, Seconds, Min64, Min64},
    // Unknown unit codes leave the date alone.
    {"Unit7", April8, 7, 5, April8},
    {"UnitMinus1", April8, -1, 5, April8},
    {"UnitInt32Min", April8, Min32, 5, April8},
    {"UnitInt32Max", Max64, Max32, Max64, Max64},
};

class AddToWideDateTest : public ::testing::TestWithParam<AddRow> {};

TEST_P(AddToWideDateTest, MovesDate)
{
    const AddRow& r = GetParam();
    EXPECT_EQ(AddToWideDate(r.date, static_cast<WideDateUnit>(r.unit), r.count), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, AddToWideDateTest, ::testing::ValuesIn(AddRows), RowName<AddRow>);

// With two-hour units the clock units round: halves up, negative counts too,
// so the division must floor, not truncate.
struct RoundingRow {
    const char* name;
    int64_t ticksPerUnit;
    int32_t unit;
    int64_t count;
    int64_t delta; // in two-hour units
};

constexpr int64_t TwoHours = 72000000000; // ticks in a two-hour unit: 12 units a day

const RoundingRow RoundingRows[] = {
    {"HalfHourUnitUp", TwoHours, Hours, 1, 1},
    {"ZeroHours", TwoHours, Hours, 0, 0},
    {"MinusHalfUnitUp", TwoHours, Hours, -1, 0},
    {"MinusOneUnit", TwoHours, Hours, -2, -1},
    {"MinusOneAndHalfUnitsUp", TwoHours, Hours, -3, -1},
    {"MinusTwoUnits", TwoHours, Hours, -4, -2},
    {"SixtyMinutesIsHalfUnit", TwoHours, Minutes, 60, 1},
    {"FiftyNineMinutes", TwoHours, Minutes, 59, 0},
    {"MinusSixtyMinutes", TwoHours, Minutes, -60, 0},
    {"MinusSixtyOneMinutes", TwoHours, Minutes, -61, -1},
    {"HalfUnitOfSeconds", TwoHours, Seconds, 3600, 1},
    {"JustBelowHalfUnitOfSeconds", TwoHours, Seconds, 3599, 0},
    {"MinusHalfUnitOfSeconds", TwoHours, Seconds, -3600, 0},
    {"JustPastMinusHalfUnit", TwoHours, Seconds, -3601, -1},
    {"Days", TwoHours, Days, -3, -36},
    {"Weeks", TwoHours, Weeks, 1, 84},
};

using CoarseUnitRoundingTest = OwnUnitsTest<RoundingRow>;

TEST_P(CoarseUnitRoundingTest, RoundsToNearestUnitHalvesUp)
{
    ASSERT_EQ(UnitsPerDay, 12);
    const RoundingRow& r = GetParam();
    EXPECT_EQ(AddToWideDate(1000, static_cast<WideDateUnit>(r.unit), r.count), 1000 + r.delta);
}

INSTANTIATE_TEST_SUITE_P(Table, CoarseUnitRoundingTest, ::testing::ValuesIn(RoundingRows), RowName<RoundingRow>);

// Calendar rules.

struct MonthLengthRow {
    const char* name;
    int32_t year, month, expected;
};

const MonthLengthRow MonthLengthRows[] = {
    {"February2011", 2011, 2, 28},
    {"February2012", 2012, 2, 29},
    {"February1900", 1900, 2, 28},
    {"February2000", 2000, 2, 29},
    {"April", 2011, 4, 30},
    {"June", 2011, 6, 30},
    {"September", 2011, 9, 30},
    {"November", 2011, 11, 30},
    {"January", 2011, 1, 31},
    {"March", 2011, 3, 31},
    {"July", 2011, 7, 31},
    {"August", 2011, 8, 31},
    {"December", 2011, 12, 31},
    {"Month0Of2011IsFebruary", 2011, 0, 28},
    {"Month0Of2012IsFebruary", 2012, 0, 29},
    {"MonthMinus1IsFebruary", 2012, -1, 29},
    {"MonthInt32MinIsFebruary", 2012, Min32, 29},
    {"Month13", 2011, 13, 31},
    {"Month16", 2011, 16, 31},
    {"Month20", 2011, 20, 31},
    {"Month27", 2011, 27, 31},
    {"Month31", 2011, 31, 31},
    {"Month32WrapsToBit0", 2011, 32, 30},
    {"Month33", 2011, 33, 31},
    {"Month34IsNotFebruary", 2011, 34, 30},
    {"Month36WrapsToBit4", 2011, 36, 30},
    {"MonthInt32Max", 2011, Max32, 31},
    {"YearInt32MaxFebruary", Max32, 2, 28},
    {"Year1February", 1, 2, 28},
    {"Year4February", 4, 2, 29},
};

class MonthLengthTest : public ::testing::TestWithParam<MonthLengthRow> {};

TEST_P(MonthLengthTest, GivesDays)
{
    const MonthLengthRow& r = GetParam();
    EXPECT_EQ(MonthLength(r.year, r.month), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, MonthLengthTest, ::testing::ValuesIn(MonthLengthRows), RowName<MonthLengthRow>);

struct LeapRow {
    const char* name;
    int32_t year, expected;
};

const LeapRow LeapRows[] = {
    {"Y1600", 1600, 1}, {"Y1700", 1700, 0}, {"Y1900", 1900, 0}, {"Y2000", 2000, 1},
    {"Y2011", 2011, 0}, {"Y2012", 2012, 1}, {"Y2100", 2100, 0}, {"Y2400", 2400, 1},
    {"Y1", 1, 0},       {"Y4", 4, 1},       {"Y100", 100, 0},   {"Y400", 400, 1},
    {"Y9996", 9996, 1}, {"Y10000", 10000, 1}, {"YInt32Max", Max32, 0},
};

class LeapYearFlagTest : public ::testing::TestWithParam<LeapRow> {};

TEST_P(LeapYearFlagTest, GivesFlag)
{
    EXPECT_EQ(LeapYearFlag(GetParam().year), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, LeapYearFlagTest, ::testing::ValuesIn(LeapRows), RowName<LeapRow>);

struct DayNumberRow {
    const char* name;
    WideDate date;
    int32_t expected;
};

const DayNumberRow DayNumberRows[] = {
    {"FirstDay", 0, 1},
    {"January1_2011", Wide(2011, 1, 1), 1},
    {"April8_2011", April8, 98},
    {"February28_2011LastSecond", Wide(2011, 2, 28, 23, 59, 59), 59},
    {"March1_2011", Wide(2011, 3, 1), 60},
    {"March1_2012", Wide(2012, 3, 1), 61},
    {"December31_2011", Wide(2011, 12, 31, 23, 59, 59), 365},
    {"December31_2012", Wide(2012, 12, 31, 23, 59, 59), 366},
    {"Last9999", LastValid, 365},
    {"PastLastCountsOn", LastValid + 1, 366},
    {"Int64MaxCutTo32Bits", Max64, 575957915},
};

class DayNumberInYearTest : public ::testing::TestWithParam<DayNumberRow> {};

TEST_P(DayNumberInYearTest, GivesDayOfYear)
{
    EXPECT_EQ(DayNumberInYear(GetParam().date), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DayNumberInYearTest, ::testing::ValuesIn(DayNumberRows), RowName<DayNumberRow>);

struct WeekOneRow {
    const char* name;
    int32_t year, firstWeekday, expected;
};

const WeekOneRow WeekOneRows[] = {
    {"Iso2009", 2009, 1, -2},
    {"Iso2010", 2010, 1, 4},
    {"Iso2011", 2011, 1, 3},
    {"Iso2012", 2012, 1, 2},
    {"Iso2015", 2015, 1, -2},
    {"Iso2016", 2016, 1, 4},
    {"Sunday2011", 2011, 0, 2},
    {"Tuesday2011SameAsJanuary4", 2011, 2, 4},
    {"Wednesday2011", 2011, 3, -2},
    {"Saturday2011", 2011, 6, 1},
    {"Iso1601", 1601, 1, 1},
    {"Iso9999", 9999, 1, 4},
    {"FirstWeekdayInt32Max", 2011, Max32, 2147483642},
    {"FirstWeekdayInt32Min", 2011, Min32, -2147483646},
};

class WeekOneStartTest : public ::testing::TestWithParam<WeekOneRow> {};

TEST_P(WeekOneStartTest, GivesDayOfJanuary)
{
    const WeekOneRow& r = GetParam();
    EXPECT_EQ(WeekOneStart(r.year, r.firstWeekday), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, WeekOneStartTest, ::testing::ValuesIn(WeekOneRows), RowName<WeekOneRow>);

struct WeekdayRow {
    const char* name;
    WideDate date;
    int32_t expected;
};

const WeekdayRow WeekdayRows[] = {
    {"ZeroIsMonday", 0, 1},
    {"EndOfDay0", 86399, 1},
    {"Day1IsTuesday", 86400, 2},
    {"Day5IsSaturday", 5 * 86400, 6},
    {"Day6IsSunday", 6 * 86400, 0},
    {"Unix1970IsThursday", 11644473600, 4},
    {"April8_2011IsFriday", April8, 5},
    {"Last9999IsFriday", LastValid, 5},
    {"Int64Max", Max64, 4},
};

class WeekdayTest : public ::testing::TestWithParam<WeekdayRow> {};

TEST_P(WeekdayTest, GivesIndexFromSunday)
{
    EXPECT_EQ(WeekdayOfWideDate(GetParam().date), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, WeekdayTest, ::testing::ValuesIn(WeekdayRows), RowName<WeekdayRow>);

// Seconds since 1970.

struct UnixRow {
    const char* name;
    int64_t ticksPerUnit;
    int64_t input;
    int64_t expected;
};

const UnixRow FromUnixRows[] = {
    {"Epoch", 10000000, 0, 11644473600},
    {"April8_2011", 10000000, 1302220800, 12946694400},
    {"SecondBeforeEpoch", 10000000, -1, 11644473599},
    {"Start1601", 10000000, -11644473600, 0},
    {"Before1601", 10000000, -11644473601, -1},
    {"Int64MaxSaturates", 10000000, Max64, Max64},
    {"Int64Min", 10000000, Min64, -1},
    {"TickUnitsEpoch", 1, 0, 116444736000000000},
    {"TickUnitsOneSecond", 1, 1, 116444736010000000},
    {"TickUnitsStart1601", 1, -11644473600, 0},
    {"TickUnitsBefore1601", 1, -11644473601, -1},
    {"TickUnitsSaturate", 1, Max64 / 1000, Max64},
    {"TwoHourUnitsEpoch", 72000000000, 0, 1617288},
    {"TwoHourUnitsHalfUnitBackRoundsUp", 72000000000, -3600, 1617288},
    {"TwoHourUnitsPastHalfUnitBack", 72000000000, -3601, 1617287},
};

using FromUnixSecondsTest = OwnUnitsTest<UnixRow>;

TEST_P(FromUnixSecondsTest, GivesDateOrMinusOne)
{
    EXPECT_EQ(WideDateFromUnixSeconds(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FromUnixSecondsTest, ::testing::ValuesIn(FromUnixRows), RowName<UnixRow>);

const UnixRow ToUnixRows[] = {
    {"Epoch", 10000000, 11644473600, 0},
    {"April8_2011", 10000000, 12946694400, 1302220800},
    {"SecondBeforeEpoch", 10000000, 11644473599, -1},
    {"Zero", 10000000, 0, -1},
    {"Last9999", 10000000, LastValid, 253402300799},
    {"Int64Max", 10000000, Max64, Max64 - 11644473600},
    {"TickUnitsEpoch", 1, 116444736000000000, 0},
    {"TickUnitsJustBelowHalfSecond", 1, 116444736004999999, 0},
    {"TickUnitsHalfSecondUp", 1, 116444736005000000, 1},
    {"TickUnitsRoundsUpToEpoch", 1, 116444735995000000, 0},
    {"TickUnitsBeforeEpoch", 1, 116444735994999999, -1},
    {"TickUnitsInt64Max", 1, Max64, Max64 / 10000000 - 11644473600},
    {"TwoHourUnitsEpoch", 72000000000, 1617288, 0},
    {"TwoHourUnitsNextUnit", 72000000000, 1617289, 7200},
};

using ToUnixSecondsTest = OwnUnitsTest<UnixRow>;

TEST_P(ToUnixSecondsTest, GivesSecondsOrMinusOne)
{
    EXPECT_EQ(UnixSecondsFromWideDate(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ToUnixSecondsTest, ::testing::ValuesIn(ToUnixRows), RowName<UnixRow>);

// Every day of the range against <chrono>: the serial moves on by one day,
// the fields come back, the weekday moves on by one. Each day gets a
// different time of day so the time fields are swept as well.

TEST(FullRangeSweep, EveryDayFrom1601To9999MatchesChrono)
{
    const chr::sys_days first{chr::year{1601} / 1 / 1};
    const chr::sys_days last{chr::year{9999} / 12 / 31};
    WideDate previousMidnight = -86400;
    int32_t previousWeekday = 0; // 1600-12-31 was a Sunday
    int64_t days = 0;
    for (chr::sys_days today = first; today <= last; today += chr::days{1}, ++days) {
        const chr::year_month_day ymd{today};
        const int y = static_cast<int>(ymd.year());
        const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
        const int64_t secondOfDay = days * 7919 % 86400;
        const int h = static_cast<int>(secondOfDay / 3600), mi = static_cast<int>(secondOfDay / 60 % 60),
                  s = static_cast<int>(secondOfDay % 60);

        const WideDate midnight = MakeWideDate(y, m, d, 0, 0, 0);
        const WideDate date = MakeWideDate(y, m, d, h, mi, s);
        int32_t y2 = 0, m2 = 0, d2 = 0, h2 = 0, mi2 = 0, s2 = 0;
        SplitWideDate(date, y2, m2, d2, &h2, &mi2, &s2);
        const int32_t weekday = WeekdayOfWideDate(date);

        const bool ok = midnight == previousMidnight + 86400 && midnight == (today - first).count() * 86400 &&
                        date == midnight + secondOfDay && y2 == y && m2 == m && d2 == d && h2 == h && mi2 == mi &&
                        s2 == s && weekday == (previousWeekday + 1) % 7 &&
                        weekday == static_cast<int32_t>(chr::weekday{today}.c_encoding());
        if (!ok) {
            ADD_FAILURE() << "first mismatch at " << y << '-' << m << '-' << d << ' ' << h << ':' << mi << ':' << s
                          << ": made " << date << ", split " << y2 << '-' << m2 << '-' << d2 << ' ' << h2 << ':'
                          << mi2 << ':' << s2 << ", weekday " << weekday;
            return;
        }
        previousMidnight = midnight;
        previousWeekday = weekday;
    }
    EXPECT_EQ(previousMidnight, LastValid - 86399);
    EXPECT_EQ(days, 3067671);
}

// AddToWideDate against <chrono> on seeded random dates.

// A random valid date with a random time of day.
WideDate RandomDate(std::mt19937_64& random)
{
    return std::uniform_int_distribution<WideDate>(0, LastValid)(random);
}

// The fields of a WideDate by <chrono>, independent of the module.
chr::year_month_day ChronoDate(WideDate date)
{
    return chr::year_month_day{chr::sys_days{chr::year{1601} / 1 / 1} + chr::days{date / 86400}};
}

// What a calendar move must give: the clamped target day at the same time,
// -1 outside 1601..9999, the time of day alone for year 0.
WideDate ExpectedCalendarMove(WideDate date, chr::year_month target)
{
    const int year = static_cast<int>(target.year());
    const int64_t secondOfDay = date % 86400;
    if (year == 0)
        return secondOfDay;
    if (year < 1601 || year > 9999)
        return -1;
    const chr::day lastDay = chr::year_month_day_last{target.year(), chr::month_day_last{target.month()}}.day();
    const chr::day day = std::min(ChronoDate(date).day(), lastDay);
    return (chr::sys_days{target / day} - chr::sys_days{chr::year{1601} / 1 / 1}).count() * 86400 + secondOfDay;
}

// Moves `date` by a random count of `unit` (months or years) 4,000 times and
// compares each result with <chrono>'s move and a day clamped by hand.
template <typename ChronoUnit>
void ExpectRandomMovesMatchChrono(WideDateUnit unit, uint64_t seed, int64_t largestCount)
{
    std::mt19937_64 random(seed);
    for (int i = 0; i < 4000; ++i) {
        const WideDate date = RandomDate(random);
        const int64_t count = std::uniform_int_distribution<int64_t>(-largestCount, largestCount)(random);
        const chr::year_month_day ymd = ChronoDate(date);
        const chr::year_month target = chr::year_month{ymd.year(), ymd.month()} + ChronoUnit{count};
        ASSERT_EQ(AddToWideDate(date, unit, count), ExpectedCalendarMove(date, target))
            << "date " << date << " unit " << unit << " count " << count;
    }
}

TEST(RandomCalendarMoves, MonthsMatchChrono)
{
    ExpectRandomMovesMatchChrono<chr::months>(Months, 20110408, 130000);
}

TEST(RandomCalendarMoves, YearsMatchChrono)
{
    ExpectRandomMovesMatchChrono<chr::years>(Years, 16010101, 10000);
}

TEST(RandomCalendarMoves, DaysMatchChrono)
{
    std::mt19937_64 random(99991231);
    for (int i = 0; i < 4000; ++i) {
        const WideDate date = RandomDate(random);
        const int64_t count = std::uniform_int_distribution<int64_t>(-3100000, 3100000)(random);
        const WideDate moved = AddToWideDate(date, Days, count);
        ASSERT_EQ((moved % 86400 + 86400) % 86400, date % 86400) << "date " << date << " days " << count;
        const chr::sys_days target = chr::sys_days{ChronoDate(date)} + chr::days{count};
        if (moved < 0 || moved > LastValid)
            continue; // no calendar date to compare; the sum itself is checked above
        int32_t y = 0, m = 0, d = 0;
        SplitWideDate(moved, y, m, d);
        ASSERT_EQ(chr::year_month_day(chr::year{y} / m / d), chr::year_month_day{target})
            << "date " << date << " days " << count;
    }
}

// Operations that read the clock, with the clock replaced.

struct NowRow {
    const char* name;
    ClockReading reading;
    WideDate expected;
};

const NowRow NowRows[] = {
    {"HalfSecondRoundsUp", Reading(2011, 4, 8, 12, 0, 0, 500), Wide(2011, 4, 8, 12, 0, 1)},
    {"JustBelowHalfSecond", Reading(2011, 4, 8, 12, 0, 0, 499), Wide(2011, 4, 8, 12, 0, 0)},
    {"WholeSecond", Reading(2011, 4, 8, 12, 0, 0, 0), Wide(2011, 4, 8, 12, 0, 0)},
    {"RoundsIntoNextYear", Reading(2011, 12, 31, 23, 59, 59, 500), Wide(2012, 1, 1)},
    {"RoundsIntoLeapDay", Reading(2012, 2, 28, 23, 59, 59, 500), Wide(2012, 2, 29)},
    {"RoundsPastLeapDay", Reading(2012, 2, 29, 23, 59, 59, 999), Wide(2012, 3, 1)},
    {"FirstInstant", Reading(1601, 1, 1, 0, 0, 0, 0), 0},
    {"RoundsPastLast9999", Reading(9999, 12, 31, 23, 59, 59, 500), LastValid + 1},
    {"NonsenseReadingGivesZero", ClockReading{2011, 13, 0, 1, 0, 0, 0, 0}, 0},
};

using ClockNowTest = OwnClockTest<NowRow>;

TEST_P(ClockNowTest, AllZeroFieldsGiveNowRounded)
{
    EXPECT_EQ(MakeWideDate(0, 0, 0, 0, 0, 0), GetParam().expected);
}

TEST_P(ClockNowTest, NegativeDateMovesFromNowRounded)
{
    EXPECT_EQ(AddToWideDate(-1, Days, 1), GetParam().expected + 86400);
    EXPECT_EQ(AddToWideDate(Min64, static_cast<WideDateUnit>(7), 1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ClockNowTest, ::testing::ValuesIn(NowRows), RowName<NowRow>);

// On Friday 2011-04-08 09:05:03.750: splitting keeps 03, rounding gives 04.
class FridayMorningClock : public ::testing::Test {
protected:
    void SetUp() override { UseFixedClock(Reading(2011, 4, 8, 9, 5, 3, 750)); }
    void TearDown() override { UseMachineClock(); }
    static constexpr WideDate NowRounded = 12946727104; // 2011-04-08 09:05:04
};

// On Friday 2012-02-10, in a leap year.
class LeapYearClock : public ::testing::Test {
protected:
    void SetUp() override { UseFixedClock(Reading(2012, 2, 10, 0, 0, 0, 0)); }
    void TearDown() override { UseMachineClock(); }
};

TEST_F(FridayMorningClock, SplitGivesClockFieldsMillisecondsDropped)
{
    for (const WideDate date : {WideDate{-1}, WideDate{-86400}, Min64}) {
        int32_t y = 0, m = 0, d = 0, h = 0, mi = 0, s = 0;
        SplitWideDate(date, y, m, d, &h, &mi, &s);
        EXPECT_EQ(y, 2011);
        EXPECT_EQ(m, 4);
        EXPECT_EQ(d, 8);
        EXPECT_EQ(h, 9);
        EXPECT_EQ(mi, 5);
        EXPECT_EQ(s, 3);
        EXPECT_EQ(YearOfWideDate(date), 2011);
        EXPECT_EQ(MonthOfWideDate(date), 4);
        EXPECT_EQ(DayOfWideDate(date), 8);
    }
}

TEST_F(FridayMorningClock, CalendarMovesStartFromNowRounded)
{
    EXPECT_EQ(AddToWideDate(-1, Months, 1), Wide(2011, 5, 8, 9, 5, 4));
    EXPECT_EQ(AddToWideDate(-1, Years, -1), Wide(2010, 4, 8, 9, 5, 4));
    EXPECT_EQ(AddToWideDate(-1, Seconds, 0), NowRounded);
    EXPECT_EQ(AddToWideDate(-1, Days, Max64), Max64);
}

TEST_F(FridayMorningClock, RulesReadTheCurrentYearAndMonth)
{
    EXPECT_EQ(MonthLength(0, 0), 30);
    EXPECT_EQ(MonthLength(-5, -5), 30);
    EXPECT_EQ(MonthLength(0, 2), 28);
    EXPECT_EQ(MonthLength(Min32, 1), 31);
    EXPECT_EQ(LeapYearFlag(0), 0);
    EXPECT_EQ(WeekOneStart(0, 1), 3);
    EXPECT_EQ(WeekOneStart(Min32, 0), 2);
}

TEST_F(FridayMorningClock, NegativeDatesMeanNow)
{
    EXPECT_EQ(DayNumberInYear(-1), 98);
    EXPECT_EQ(WeekdayOfWideDate(-1), 5);
    EXPECT_EQ(WeekdayOfWideDate(Min64), 5);
    EXPECT_EQ(UnixSecondsFromWideDate(-1), NowRounded - 11644473600);
}

TEST_F(FridayMorningClock, YearWithoutWideDateReadsTodaysWeekday)
{
    // MakeWideDate(10000, 1, 4, ...) is -1, which stands for now (a Friday).
    EXPECT_EQ(WeekOneStart(10000, 1), 0);
    EXPECT_EQ(WeekOneStart(1600, 5), 4);
}

TEST_F(LeapYearClock, RulesReadTheCurrentLeapYear)
{
    EXPECT_EQ(MonthLength(0, 0), 29);
    EXPECT_EQ(MonthLength(0, -1), 29);
    EXPECT_EQ(MonthLength(0, 4), 30);
    EXPECT_EQ(LeapYearFlag(0), 1);
    EXPECT_EQ(LeapYearFlag(Min32), 1);
}

} // namespace
