#include "date/wide_date.h"
#include "ui/schedule_rules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

namespace {

struct DaysRow {
    const char* name;
    float cumulative;
    float base;
    int64_t daily;
    int64_t days;
};

// Rows of the 27.02.2024 example at 6000 a day, then the limits of the rule.
const DaysRow DaysRows[] = {
    {"first rank", 0, 0, 6000, 0},
    {"one third", 2000, 0, 6000, 0},
    {"five sixths", 5000, 0, 6000, 1},
    {"1.5 goes to 2", 9000, 0, 6000, 2},
    {"2.333", 14000, 0, 6000, 2},
    {"3.5 goes to 4", 21000, 0, 6000, 4},
    {"169.5 goes to 170", 1017000, 0, 6000, 170},
    {"226.5 goes to 226", 1359000, 0, 6000, 226},
    {"1125.5 goes to 1126", 6753000, 0, 6000, 1126},
    {"top rank", 7474000, 0, 6000, 1246},
    {"0.5 from a base goes to 0", 5000, 2000, 6000, 0},
    {"just below half", 2999, 0, 6000, 0},
    {"just above half", 3001, 0, 6000, 1},
    {"-0.5 goes to 0", 3000, 0, -6000, 0},
    {"-1.5 goes to -2", 9000, 0, -6000, -2},
    {"-2.5 goes to -2", 15000, 0, -6000, -2},
    {"daily 1 gives the total", 7474000, 0, 1, 7474000},
    {"daily -1", 161000, 0, -1, -161000},
    {"huge daily gives 0", 7474000, 0, 1000000000, 0},
    {"largest daily", 7474000, 0, INT64_MAX, 0},
    {"smallest daily", 7474000, 0, INT64_MIN, 0},
    {"zero daily gives 0", 7474000, 0, 0, 0},
};

TEST(DaysToRank, RoundsToNearestWithHalvesToEven)
{
    for (const DaysRow& row : DaysRows)
        EXPECT_EQ(DaysToRank(row.cumulative, row.base, row.daily), row.days) << row.name;
}

// Seconds since 1970 of a wall-clock date, by the standard library's calendar.
int32_t PickerValue(int year, unsigned month, unsigned day, int hour = 0, int minute = 0)
{
    using namespace std::chrono;
    const sys_days date = year_month_day{std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}};
    return static_cast<int32_t>(date.time_since_epoch().count() * 86400 + hour * 3600 + minute * 60);
}

class ScheduleDateTextTest : public testing::Test {
protected:
    void SetUp() override
    {
        TicksPerUnit = 10'000'000;
        UnitsPerDay = 864'000'000'000 / TicksPerUnit;
        UnixEpochOffset = 11'644'473'600;
    }
};

TEST_F(ScheduleDateTextTest, DatesTheWorkedExample)
{
    const int32_t start = PickerValue(2024, 2, 27, 13, 45);
    const struct {
        int64_t days;
        const char* text;
    } rows[] = {
        {0, "27.02.2024"}, {1, "28.02.2024"}, {2, "29.02.2024"}, {4, "02.03.2024"},
        {170, "15.08.2024"}, {226, "10.10.2024"}, {1126, "29.03.2027"}, {1246, "27.07.2027"},
        {-1, "26.02.2024"}, {-2, "25.02.2024"}, {-4, "23.02.2024"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ScheduleDateText(start, row.days), row.text) << row.days;
}

TEST_F(ScheduleDateTextTest, DatesPast2038StayTrue)
{
    const int32_t start = PickerValue(2036, 6, 1, 12, 0);
    EXPECT_EQ(ScheduleDateText(start, 578), "31.12.2037");
    EXPECT_EQ(ScheduleDateText(start, 650), "13.03.2038");
    EXPECT_EQ(ScheduleDateText(start, 1246), "30.10.2039");
}

TEST_F(ScheduleDateTextTest, EndsAt31December9999)
{
    const int32_t start = PickerValue(2024, 2, 27);
    EXPECT_EQ(ScheduleDateText(start, 2725000), "14.12.9484");
    EXPECT_EQ(ScheduleDateText(start, 3076000), "31.12.9999");
    EXPECT_EQ(ScheduleDateText(start, INT64_MAX), "31.12.9999");
}

// Before 1601 the wide date reads as now: the cell shows the day of the click.
TEST_F(ScheduleDateTextTest, DatesBefore1601ShowToday)
{
    static const ClockReading clicked{2026, 12, 5, 11, 15, 30, 0, 0};
    ReplaceLocalClock([] { return clicked; });
    const int32_t start = PickerValue(2024, 2, 27);
    EXPECT_EQ(ScheduleDateText(start, -134000), "11.04.1657");
    EXPECT_EQ(ScheduleDateText(start, -161000), "11.12.2026");
    EXPECT_EQ(ScheduleDateText(start, INT64_MIN), "11.12.2026");
    ReplaceLocalClock(nullptr);
}

} // namespace
