// Wide date formatting: the token table, its order and overlaps, the first
// and last dates, the clock, wild masks, and a random comparison against a
// plain replace-in-order reference fed by <chrono>.
#include "date_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <utility>

namespace {

constexpr WideDate FridayMorning = 12946727103; // 2011-04-08 09:05:03

struct FormatRow {
    const char* name;
    WideDate date;
    const char* mask;
    const char* expected;
};

const FormatRow FormatRows[] = {
    // The Friday morning of the token table.
    {"DayMonthYear", FridayMorning, "%dd.%mm.%yyyy", "08.04.2011"},
    {"IsoDateTime", FridayMorning, "%yyyy-%mm-%dd %hh:%ii:%ss", "2011-04-08 09:05:03"},
    {"TwoDigitYear", FridayMorning, "%yy", "11"},
    {"MonthName", FridayMorning, "%mon", "Apr"},
    {"WeekdayName", FridayMorning, "%day", "Fri"},
    {"MailStyle", FridayMorning, "%day, %dd %mon %yyyy", "Fri, 08 Apr 2011"},
    {"UpperCaseIsNoToken", FridayMorning, "%YYYY %Mon", "%YYYY %Mon"},
    {"ThreeYsAreTwoDigitsAndY", FridayMorning, "%yyy", "11y"},
    {"FiveYsAreYearAndY", FridayMorning, "%yyyyy", "2011y"},
    {"OneYIsNoToken", FridayMorning, "%y", "%y"},
    {"DayDigitsBeforeWeekday", FridayMorning, "%dday", "08ay"},
    {"MonthDigitsBeforeMonthName", FridayMorning, "%mmon", "04on"},
    {"NoOverlap", FridayMorning, "%dd%dd", "0808"},
    {"ThreeDs", FridayMorning, "%ddd", "08d"},
    {"UnknownTokenStays", FridayMorning, "%x %dd", "%x 08"},
    {"EmptyMask", FridayMorning, "", ""},
    {"NoTokens", FridayMorning, "schedule", "schedule"},
    {"LonePercent", FridayMorning, "%", "%"},
    {"TrailingPercent", FridayMorning, "%dd%", "08%"},
    {"DoublePercent", FridayMorning, "%%dd", "%08"},
    {"CutTokenAtEnd", FridayMorning, "%dd.%m", "08.%m"},
    {"CutNameAtEnd", FridayMorning, "%da", "%da"},
    {"BothYears", FridayMorning, "%yyyy%yy", "201111"},
    {"TimeRun", FridayMorning, "%hh%ii%ss", "090503"},
    {"CapitalTimeIsNoToken", FridayMorning, "%HH:%II:%SS", "%HH:%II:%SS"},
    // Zero padding and the two-digit year.
    {"Year2005", Wide(2005, 6, 15), "%yy", "05"},
    {"Year2000", Wide(2000, 1, 1), "%yy", "00"},
    {"SingleDigitFields", Wide(2011, 1, 2, 3, 4, 5), "%mm/%dd %hh:%ii:%ss", "01/02 03:04:05"},
    // One row per month name and per weekday name.
    {"January", Wide(2011, 1, 31), "%mon", "Jan"},
    {"February", Wide(2011, 2, 1), "%mon", "Feb"},
    {"March", Wide(2011, 3, 1), "%mon", "Mar"},
    {"May", Wide(2011, 5, 1), "%mon", "May"},
    {"June", Wide(2011, 6, 1), "%mon", "Jun"},
    {"July", Wide(2011, 7, 1), "%mon", "Jul"},
    {"August", Wide(2011, 8, 1), "%mon", "Aug"},
    {"September", Wide(2011, 9, 1), "%mon", "Sep"},
    {"October", Wide(2011, 10, 1), "%mon", "Oct"},
    {"November", Wide(2011, 11, 1), "%mon", "Nov"},
    {"December", Wide(2011, 12, 31), "%mon", "Dec"},
    {"Sunday", Wide(2011, 4, 3), "%day", "Sun"},
    {"Monday", Wide(2011, 4, 4), "%day", "Mon"},
    {"Tuesday", Wide(2011, 4, 5), "%day", "Tue"},
    {"Wednesday", Wide(2011, 4, 6), "%day", "Wed"},
    {"Thursday", Wide(2011, 4, 7), "%day", "Thu"},
    {"SaturdayLastSecond", Wide(2011, 4, 9, 23, 59, 59), "%day", "Sat"},
    // The first and last dates, and past the last.
    {"FirstDate", 0, "%dd.%mm.%yyyy %hh:%ii:%ss %day", "01.01.1601 00:00:00 Mon"},
    {"LastDateLessOneDay", LastValid - 86400, "%dd.%mm.%yyyy %hh:%ii:%ss %day", "30.12.9999 23:59:59 Thu"},
    {"LastDate", LastValid, "%dd.%mm.%yyyy %hh:%ii:%ss %day", "31.12.9999 23:59:59 Fri"},
    {"PastLastDate", LastValid + 1, "%dd.%mm.%yyyy %hh:%ii:%ss %day", "31.12.9999 23:59:59 Fri"},
    {"PastLastByADay", LastValid + 86400, "%day %mon", "Fri Dec"},
    {"Int64Max", Max64, "%dd.%mm.%yyyy %hh:%ii:%ss %day", "31.12.9999 23:59:59 Fri"},
};

class FormatWideDateTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatWideDateTest, ReplacesTokens)
{
    const FormatRow& r = GetParam();
    EXPECT_EQ(FormatWideDate(r.mask, r.date), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatWideDateTest, ::testing::ValuesIn(FormatRows), RowName<FormatRow>);

// The reading the replaced clock hands out.
ClockReading FixedReading{};

// Clock source for tests: always FixedReading.
ClockReading ReadFixedClock()
{
    return FixedReading;
}

struct ClockFormatRow {
    const char* name;
    ClockReading reading;
    WideDate date;
    const char* mask;
    const char* expected;
};

const ClockFormatRow ClockFormatRows[] = {
    {"NowFieldsMillisecondsDropped", {2011, 4, 5, 8, 9, 5, 3, 750}, -1,
     "%yyyy-%mm-%dd %hh:%ii:%ss %day %mon", "2011-04-08 09:05:03 Fri Apr"},
    {"Int64MinIsNow", {2011, 4, 5, 8, 9, 5, 3, 750}, Min64, "%dd.%mm.%yyyy", "08.04.2011"},
    {"LastInstantOfYearNotRounded", {2011, 12, 6, 31, 23, 59, 59, 999}, -1, "%dd.%mm.%yyyy %hh:%ii:%ss %day",
     "31.12.2011 23:59:59 Sat"},
    {"WeekdayFollowsTheClockDate", {2011, 4, 0, 8, 9, 5, 3, 0}, -1, "%day", "Fri"},
    {"NonsenseMonthHasNoName", {2011, 13, 0, 1, 0, 0, 0, 0}, -1, "%mon %mm", "??? 13"},
    {"FiveDigitYearCutToFour", {12345, 1, 0, 1, 0, 0, 0, 0}, -1, "%yyyy %yy", "1234 45"},
    {"NegativeYearText", {-5, 1, 0, 1, 0, 0, 0, 0}, -1, "%yyyy %yy", "00-5 -5"},
};

class ClockFormatTest : public ::testing::TestWithParam<ClockFormatRow> {
protected:
    void SetUp() override
    {
        FixedReading = GetParam().reading;
        ReplaceLocalClock(ReadFixedClock);
    }
    void TearDown() override { ReplaceLocalClock(nullptr); }
};

TEST_P(ClockFormatTest, NegativeDateFormatsClock)
{
    const ClockFormatRow& r = GetParam();
    EXPECT_EQ(FormatWideDate(r.mask, r.date), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ClockFormatTest, ::testing::ValuesIn(ClockFormatRows), RowName<ClockFormatRow>);

// Long masks: every token is replaced, nothing is dropped or doubled.
TEST(WildMasks, ThousandsOfTokens)
{
    std::string days, percents, years, expectedDays, expectedYears;
    for (int i = 0; i < 5000; ++i) {
        days += "%dd.";
        expectedDays += "08.";
        percents += "%";
        years += "%yyyy%";
        expectedYears += "2011%";
    }
    EXPECT_EQ(FormatWideDate(days, FridayMorning), expectedDays);
    EXPECT_EQ(FormatWideDate(percents, FridayMorning), percents);
    EXPECT_EQ(FormatWideDate(years, FridayMorning), expectedYears);
}

// A mask is a sized text, so a NUL inside it is just another character.
TEST(WildMasks, EmbeddedNulIsKept)
{
    const std::string mask("%dd\0%mm\0", 8);
    EXPECT_EQ(FormatWideDate(mask, FridayMorning), std::string("08\0" "04\0", 6));
}

// The token rules written the slow, literal way: each token in its order
// replaced throughout the text, scanning on behind what was inserted.
std::string ReplaceInOrder(std::string text, const chr::year_month_day& ymd, const chr::hh_mm_ss<chr::seconds>& time,
                           chr::weekday weekday)
{
    const int year = static_cast<int>(ymd.year());
    const unsigned month = static_cast<unsigned>(ymd.month());
    char year4[16], year2[16], month2[16], day2[16], hour2[16], minute2[16], second2[16];
    std::snprintf(year4, sizeof year4, "%04d", year);
    std::snprintf(year2, sizeof year2, "%02d", year % 100);
    std::snprintf(month2, sizeof month2, "%02u", month);
    std::snprintf(day2, sizeof day2, "%02u", static_cast<unsigned>(ymd.day()));
    std::snprintf(hour2, sizeof hour2, "%02d", static_cast<int>(time.hours().count()));
    std::snprintf(minute2, sizeof minute2, "%02d", static_cast<int>(time.minutes().count()));
    std::snprintf(second2, sizeof second2, "%02d", static_cast<int>(time.seconds().count()));
    const char* const monthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* const weekdayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const std::pair<std::string, std::string> replacements[] = {
        {"%yyyy", year4},  {"%yy", year2},     {"%mm", month2},
        {"%dd", day2},     {"%hh", hour2},     {"%ii", minute2},
        {"%ss", second2},  {"%mon", monthNames[month - 1]}, {"%day", weekdayNames[weekday.c_encoding()]},
    };
    for (const auto& [token, value] : replacements) {
        for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size()))
            text.replace(at, token.size(), value);
    }
    return text;
}

TEST(RandomMasks, MatchReplacementInOrder)
{
    const char* const pieces[] = {"%", "%", "%", "y", "yy", "m", "mo", "n", "d", "da", "a", "h", "i", "s",
                                  "o", "Y", "M", ".", " ", "%yyyy", "%day", "%mon", "x", "\xd0\x94"};
    std::mt19937_64 random(8042011);
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_int_distribution<WideDate> anyDate(0, LastValid);
    for (int i = 0; i < 3000; ++i) {
        std::string mask;
        for (int n = length(random); n > 0; --n)
            mask += pieces[pick(random)];
        const WideDate date = anyDate(random);
        const chr::sys_seconds moment = chr::sys_days{chr::year{1601} / 1 / 1} + chr::seconds{date};
        const chr::sys_days day = chr::floor<chr::days>(moment);
        const std::string expected = ReplaceInOrder(mask, chr::year_month_day{day},
                                                    chr::hh_mm_ss<chr::seconds>{moment - day}, chr::weekday{day});
        ASSERT_EQ(FormatWideDate(mask, date), expected) << "mask \"" << mask << "\" date " << date;
    }
}

} // namespace
