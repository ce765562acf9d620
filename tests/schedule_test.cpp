#include "program_fixture.h"

#include "app/rank_table.h"
#include "resources/resources.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using Row = std::array<std::string, 5>;

ClockReading WorkedExampleDay()
{
    return {2024, 2, 2, 27, 9, 30, 0, 0};
}

ClockReading MidYear2036()
{
    return {2036, 6, 0, 1, 12, 0, 0, 0};
}

ClockReading DayOfTheClick()
{
    return {2026, 12, 5, 11, 16, 5, 0, 0};
}

std::vector<Row> ListedRows()
{
    std::vector<Row> rows(CountListRows(ScheduleList));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        for (int column = 0; column < 5; ++column)
            rows[row][column] = ListText(ScheduleList, row, column);
    return rows;
}

// Types the inputs and clicks "Рассчитать" as a user would; the main loop
// then handles the click.
void Calculate(const std::string& dailyExp, int rank = 0)
{
    SetControlText(DailyExpField, dailyExp);
    SelectComboItem(CurrentRankCombo, rank);
    QTest::mouseClick(ControlWidget(CalculateButton), Qt::LeftButton);
    ASSERT_EQ(WaitEvent(), ControlEvent);
    ASSERT_EQ(EventControl(), CalculateButton);
    ASSERT_TRUE(HandleMainEvent(ControlEvent));
}

class ScheduleTest : public testing::Test {
protected:
    void SetUp() override { ReopenMainWindow(WorkedExampleDay); }
    void TearDown() override { ReplaceLocalClock(nullptr); }
};

// The worked example of a start on 27.02.2024 at 6000 EXP a day.
const std::pair<int, Row> WorkedExample[] = {
    {0, {"Ст. кадет (Trainee)", "2000", "0", "0 дней", "27.02.2024"}},
    {1, {"Рядовой солдат (Senior Trainee)", "3000", "2000", "0 дней", "27.02.2024"}},
    {2, {"Ст. солдат (Private)", "4000", "5000", "1 дней", "28.02.2024"}},
    {3, {"Ефрейтор (Corporal)", "5000", "9000", "2 дней", "29.02.2024"}},
    {4, {"Сержант (Sergeant)", "7000", "14000", "2 дней", "29.02.2024"}},
    {5, {"Мл. сержант 1го ранга (Staff Sgt. Grade 1)", "9000", "21000", "4 дней", "02.03.2024"}},
    {27, {"Ст. лейтенант 2го ранга (Capt. Grade 2)", "107000", "1017000", "170 дней", "15.08.2024"}},
    {30, {"Ст. лейтенант 5го ранга (Capt. Grade 5)", "151000", "1359000", "226 дней", "10.10.2024"}},
    {31, {"Майор 1го ранга (Major Grade 1) ", "181000", "1510000", "252 дней", "05.11.2024"}},
    {44, {"Полковник 4го ранга (Col. Grade 4)", "721000", "6753000", "1126 дней", "29.03.2027"}},
    {45, {"Полковник 5го ранга (Col. Grade 5)", "0", "7474000", "1246 дней", "27.07.2027"}},
    {50, {"Генерал армии (Commander)", "0", "7474000", "1246 дней", "27.07.2027"}},
};

TEST_F(ScheduleTest, InitialFillListsTheWorkedExample)
{
    const std::vector<Row> rows = ListedRows();
    ASSERT_EQ(rows.size(), 51u);
    for (const auto& [row, expected] : WorkedExample)
        EXPECT_EQ(rows[row], expected) << "row " << row;
    for (int row = 45; row <= 50; ++row) {
        EXPECT_EQ(rows[row][0], RankTable[row][RankName]);
        for (int column = 1; column < 5; ++column)
            EXPECT_EQ(rows[row][column], rows[45][column]) << "row " << row;
    }
}

TEST_F(ScheduleTest, RebuildWithDefaultsReproducesTheInitialList)
{
    const std::vector<Row> initial = ListedRows();
    Calculate("6000");
    EXPECT_EQ(ListedRows(), initial);
}

TEST_F(ScheduleTest, EquivalentTextsGiveTheListOf6000)
{
    const std::vector<Row> initial = ListedRows();
    for (const char* text : {" 6000", "+6000", "6000abc", "$1770", "%1011101110000", "\t6000 дней"}) {
        Calculate("1");
        Calculate(text);
        EXPECT_EQ(ListedRows(), initial) << text;
    }
}

TEST_F(ScheduleTest, BlankInsideComputesWithTheFirstDigits)
{
    Calculate("6 000");
    EXPECT_EQ(ListText(ScheduleList, 2, 3), "833 дней"); // 5000 / 6 = 833.3
}

TEST_F(ScheduleTest, FromRankOneTheDaysCountFromItButTheExpFromRankZero)
{
    Calculate("6000", 1);
    const std::vector<Row> rows = ListedRows();
    ASSERT_EQ(rows.size(), 50u);
    EXPECT_EQ(rows[0], (Row{"Рядовой солдат (Senior Trainee)", "3000", "2000", "0 дней", "27.02.2024"}));
    EXPECT_EQ(rows[1], (Row{"Ст. солдат (Private)", "4000", "5000", "0 дней", "27.02.2024"}));
    EXPECT_EQ(rows[2], (Row{"Ефрейтор (Corporal)", "5000", "9000", "1 дней", "28.02.2024"}));
    EXPECT_EQ(rows[3], (Row{"Сержант (Sergeant)", "7000", "14000", "2 дней", "29.02.2024"}));
    EXPECT_EQ(SelectedComboItem(CurrentRankCombo), 1);
    EXPECT_EQ(ControlText(DailyExpField), "6000");
}

TEST_F(ScheduleTest, TheLastRankAlone)
{
    Calculate("6000", 50);
    EXPECT_EQ(ListedRows(), (std::vector<Row>{{"Генерал армии (Commander)", "0", "7474000", "0 дней", "27.02.2024"}}));
}

TEST_F(ScheduleTest, NegativeDailyExpListsBackwards)
{
    Calculate("-6000");
    const struct {
        const char* days;
        const char* date;
    } expected[] = {{"0 дней", "27.02.2024"}, {"0 дней", "27.02.2024"}, {"-1 дней", "26.02.2024"},
                    {"-2 дней", "25.02.2024"}, {"-2 дней", "25.02.2024"}, {"-4 дней", "23.02.2024"}};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(ListText(ScheduleList, row, 3), expected[row].days) << row;
        EXPECT_EQ(ListText(ScheduleList, row, 4), expected[row].date) << row;
    }
}

TEST_F(ScheduleTest, OneExpADayReachesTheEndOfTheCalendar)
{
    Calculate("1");
    EXPECT_EQ(ListText(ScheduleList, 36, 2), "2725000");
    EXPECT_EQ(ListText(ScheduleList, 36, 4), "14.12.9484");
    EXPECT_EQ(ListText(ScheduleList, 37, 0), "Подполковник 2го ранга (Lt. Col. Grade 2)");
    EXPECT_EQ(ListText(ScheduleList, 37, 2), "3076000");
    for (int row = 37; row <= 50; ++row)
        EXPECT_EQ(ListText(ScheduleList, row, 4), "31.12.9999") << row;
}

TEST_F(ScheduleTest, MinusOneADayFallsBefore1601AndShowsTheDayOfTheClick)
{
    ReplaceLocalClock(DayOfTheClick);
    Calculate("-1");
    EXPECT_EQ(ListText(ScheduleList, 12, 3), "-134000 дней");
    EXPECT_EQ(ListText(ScheduleList, 12, 4), "11.04.1657");
    for (int row = 13; row <= 50; ++row)
        EXPECT_EQ(ListText(ScheduleList, row, 4), "11.12.2026") << row;
}

TEST_F(ScheduleTest, HugeDailyExpGivesZeroDaysEverywhere)
{
    Calculate("1000000000");
    for (int row = 0; row <= 50; ++row) {
        EXPECT_EQ(ListText(ScheduleList, row, 3), "0 дней") << row;
        EXPECT_EQ(ListText(ScheduleList, row, 4), "27.02.2024") << row;
    }
}

TEST_F(ScheduleTest, TextsThatReadAsZeroChangeNothing)
{
    Calculate("6000", 3);
    const std::vector<Row> before = ListedRows();
    const int icons = ScheduleIcons;
    const std::string longText = std::string(100000, ' ') + "abc";
    for (const std::string& text : {std::string(), std::string("abc"), std::string("0"), std::string("-0"),
                                    std::string("0x1770"), std::string("18446744073709551616"),
                                    std::string("  \t "), std::string("шесть тысяч"), longText}) {
        SelectComboItem(CurrentRankCombo, 7);
        Calculate(text, 7);
        EXPECT_EQ(ListedRows(), before) << text.substr(0, 20);
        EXPECT_EQ(ScheduleIcons, icons);
        EXPECT_EQ(ListRowIcon(ScheduleList, 0), 0);
    }
    EXPECT_EQ(SelectedComboItem(CurrentRankCombo), 7);
}

TEST_F(ScheduleTest, WildTextsListCorrectly)
{
    Calculate(std::string(100000, '9'));
    EXPECT_EQ(CountListRows(ScheduleList), 51);
    Calculate("-9223372036854775808");
    EXPECT_EQ(ListText(ScheduleList, 50, 3), "0 дней");
    const std::vector<Row> before = ListedRows();
    Calculate("\x01\x02 12");
    EXPECT_EQ(ListedRows(), before) << "a control character is no blank: the text reads as 0";
}

TEST(ScheduleFrom2036, InitialFillDatesPast2038Truly)
{
    ReopenMainWindow(MidYear2036);
    const std::vector<Row> initial = ListedRows();
    EXPECT_EQ(initial[38][3], "578 дней");
    EXPECT_EQ(initial[38][4], "31.12.2037");
    EXPECT_EQ(initial[39][4], "13.03.2038");
    EXPECT_EQ(initial[50][4], "30.10.2039");
    Calculate("6000");
    EXPECT_EQ(ListedRows(), initial);
}

// Pixel (x, y) of rank `rank`'s icon file, read straight from its bytes.
Colour IconFilePixel(int rank, int x, int y)
{
    const unsigned char* pixel = RankIconFiles + rank * RankIconFileSize + 54 + (19 - y) * 60 + x * 3;
    return Colour(pixel[2]) | Colour(pixel[1]) << 8 | Colour(pixel[0]) << 16;
}

void ExpectRowsShowTheirRanksIcons(int firstRank)
{
    for (int row = 0; row < CountListRows(ScheduleList); ++row) {
        const int icon = ListRowIcon(ScheduleList, row);
        EXPECT_EQ(icon, row);
        int different = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                different += IconPixel(ScheduleIcons, icon, x, y) != IconFilePixel(row + firstRank, x, y);
        EXPECT_EQ(different, 0) << "row " << row;
    }
}

TEST_F(ScheduleTest, EveryRowShowsItsRanksInsignia)
{
    ExpectRowsShowTheirRanksIcons(0);
    Calculate("6000", 17);
    ExpectRowsShowTheirRanksIcons(17);
}

TEST_F(ScheduleTest, ManyRebuildsLeaveOneIconSetAndNoImage)
{
    const int images = CountImages();
    for (int run = 0; run < 100; ++run)
        Calculate("6000", run % 51);
    EXPECT_EQ(CountIconSets(), 1);
    EXPECT_EQ(CountIconsInSet(ScheduleIcons), 51 - 99 % 51);
    EXPECT_EQ(CountImages(), images);
    EXPECT_FALSE(IsImage(10));
}

TEST_F(ScheduleTest, RowsAlternateBlackAndDarkGreyAfterARebuild)
{
    Calculate("6000", 2);
    auto* list = static_cast<QTreeWidget*>(ControlWidget(ScheduleList));
    const QImage shot = list->viewport()->grab().toImage();
    for (int row = 0; row < 4; ++row) {
        const QRect cells = list->visualItemRect(list->topLevelItem(row));
        // Right of the text of column 2, inside its cell.
        const QColor back = shot.pixelColor(list->header()->sectionPosition(2) + 48, cells.center().y());
        EXPECT_EQ(FromQColor(back), row % 2 == 0 ? 0x000000u : 0x141414u) << "row " << row;
        int white = 0;
        for (int x = cells.left(); x < 250; ++x)
            for (int y = cells.top(); y <= cells.bottom(); ++y)
                white += qGray(shot.pixel(x, y)) > 200;
        EXPECT_GT(white, 20) << "row " << row;
    }
    // Beyond the five columns the list is black.
    EXPECT_EQ(shot.pixel(700, list->visualItemRect(list->topLevelItem(1)).center().y()), qRgb(0, 0, 0));
}

} // namespace
