#include "program_fixture.h"

#include "platform/registry.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

struct ControlRow {
    const char* name;
    int number;
    const char* kind; // Qt class name
    QRect geometry;
    const char* text;
};

const ControlRow ControlRows[] = {
    {"CurrentRankLabel", 0, "QLabel", {200, 10, 115, 15}, "Мое текущее звание:"},
    {"CurrentRankCombo", 1, "QComboBox", {320, 5, 150, 20}, "Ст. кадет (Trainee)"},
    {"DailyExpLabel", 2, "QLabel", {10, 40, 160, 15}, "Если в день  буду набивать по:"},
    {"DailyExpField", 3, "QLineEdit", {180, 35, 45, 20}, "6000"},
    {"ScheduleLabel", 4, "QLabel", {235, 40, 285, 15}, "опыта, то график получения званий будет следующим:"},
    {"TodayLabel", 5, "QLabel", {10, 10, 50, 15}, "Сегодня:"},
    {"StartDatePicker", 6, "QDateTimeEdit", {65, 5, 80, 20}, "27.02.2024"},
    {"ScheduleList", 7, "QTreeWidget", {5, 70, 790, 525}, ""},
    {"InfoButton", 8, "QPushButton", {765, 5, 30, 25}, "?"},
    {"CalculateButton", 9, "QPushButton", {530, 15, 90, 40}, "Рассчитать"},
};

ClockReading WorkedExampleDay()
{
    return {2024, 2, 2, 27, 13, 45, 10, 250};
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { ReopenMainWindow(WorkedExampleDay); }

    static QImage Grab() { return WindowWidget(MainWindow)->grab().toImage(); }
};

TEST_F(MainWindowTest, EveryControlHasItsKindPlaceAndText)
{
    for (const ControlRow& row : ControlRows) {
        SCOPED_TRACE(row.name);
        QWidget* widget = ControlWidget(row.number);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(row.kind));
        EXPECT_EQ(widget->geometry(), row.geometry);
        EXPECT_EQ(ControlText(row.number), row.text);
        EXPECT_FALSE(widget->accessibleName().isEmpty());
    }
}

TEST_F(MainWindowTest, WindowIsFixedAt800By600WithoutMaximise)
{
    QWidget* window = WindowWidget(MainWindow);
    EXPECT_EQ(window->windowTitle(), QString("Звания Stelvane"));
    EXPECT_EQ(window->size(), QSize(800, 600));
    EXPECT_EQ(window->minimumSize(), QSize(800, 600));
    EXPECT_EQ(window->maximumSize(), QSize(800, 600));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
}

TEST_F(MainWindowTest, ListHasFiveLeftAlignedColumns)
{
    const struct {
        const char* title;
        int width;
    } columns[] = {{" Звание", 250}, {" Exp to Up", 50}, {" Exp", 50},
                   {"Через сколько получу", 130}, {"Приблизительная дата", 130}};
    ASSERT_EQ(CountListColumns(ScheduleList), 5);
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(ListColumnTitle(ScheduleList, column), columns[column].title);
        EXPECT_EQ(ListColumnWidth(ScheduleList, column), columns[column].width);
    }
    auto* list = static_cast<QTreeWidget*>(ControlWidget(ScheduleList));
    EXPECT_FALSE(list->header()->sectionsMovable());
    EXPECT_FALSE(list->header()->stretchLastSection());
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(MainWindowTest, RankBoxOnlyChoosesInRankOrder)
{
    auto* combo = static_cast<QComboBox*>(ControlWidget(CurrentRankCombo));
    EXPECT_FALSE(combo->isEditable());
    ASSERT_EQ(CountComboItems(CurrentRankCombo), 51);
    EXPECT_EQ(ComboItemText(CurrentRankCombo, 0), "Ст. кадет (Trainee)");
    EXPECT_EQ(ComboItemText(CurrentRankCombo, 31), "Майор 1го ранга (Major Grade 1) ");
    EXPECT_EQ(ComboItemText(CurrentRankCombo, 50), "Генерал армии (Commander)");
    EXPECT_EQ(SelectedComboItem(CurrentRankCombo), 0);
}

TEST_F(MainWindowTest, FieldTakesAnyText)
{
    auto* field = static_cast<QLineEdit*>(ControlWidget(DailyExpField));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "6 000 abc");
    EXPECT_EQ(ControlText(DailyExpField), "6 000 abc");
}

TEST_F(MainWindowTest, PickerShowsTheClockDateAndKeepsMinutes)
{
    auto* picker = static_cast<QDateTimeEdit*>(ControlWidget(StartDatePicker));
    EXPECT_TRUE(picker->calendarPopup());
    EXPECT_EQ(picker->locale().language(), QLocale::Russian) << "its calendar speaks the interface's language";
    // 2024-02-27 13:45 as wall-clock seconds since 1970.
    EXPECT_EQ(DatePickerValue(StartDatePicker), 1709041500);
    SetDatePickerValue(StartDatePicker, -5);
    EXPECT_EQ(ControlText(StartDatePicker), "01.01.1970");
    SetDatePickerValue(StartDatePicker, INT32_MAX);
    EXPECT_EQ(ControlText(StartDatePicker), "19.01.2038");
    EXPECT_EQ(DatePickerValue(StartDatePicker), 2147483640);
}

TEST_F(MainWindowTest, TabCyclesThroughTheSixInputsInCreationOrder)
{
    QWidget* window = WindowWidget(MainWindow);
    QApplication::setActiveWindow(window);
    ControlWidget(CurrentRankCombo)->setFocus();
    const int order[] = {DailyExpField, StartDatePicker, ScheduleList, InfoButton, CalculateButton, CurrentRankCombo};
    for (int expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        // The date picker's focus lands on its inner line edit.
        while (focus && focus->parentWidget() != window)
            focus = focus->parentWidget();
        EXPECT_EQ(focus, ControlWidget(expected)) << "expected control " << expected;
    }
    const int backward[] = {CalculateButton, InfoButton};
    for (int expected : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), ControlWidget(expected));
    }
}

TEST_F(MainWindowTest, LabelsAreBlackWithWhiteText)
{
    const QImage shot = Grab();
    for (int label : {CurrentRankLabel, DailyExpLabel, ScheduleLabel, TodayLabel}) {
        const QRect area = ControlWidget(label)->geometry();
        int black = 0, white = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb pixel = shot.pixel(x, y);
                black += pixel == qRgb(0, 0, 0);
                white += qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200;
            }
        EXPECT_GT(black, area.width() * area.height() / 2) << label;
        EXPECT_GT(white, 10) << label;
    }
}

TEST_F(MainWindowTest, MarginsShowTheBackgroundPicture)
{
    const QImage shot = Grab();
    const struct {
        const char* name;
        QRect area;
    } margins[] = {{"left", {0, 70, 5, 530}}, {"right", {795, 70, 5, 530}}, {"bottom", {0, 595, 800, 5}},
                   {"band between the lines", {0, 27, 175, 6}}};
    for (const auto& margin : margins) {
        int different = 0;
        for (int y = margin.area.top(); y <= margin.area.bottom(); ++y)
            for (int x = margin.area.left(); x <= margin.area.right(); ++x)
                different += FromQColor(shot.pixelColor(x, y)) != ImagePixel(0, x, y);
        EXPECT_EQ(different, 0) << margin.name;
    }
}

TEST_F(MainWindowTest, ButtonsAreWhiteOnBlack)
{
    const QImage shot = Grab();
    for (int button : {InfoButton, CalculateButton}) {
        const QRect area = ControlWidget(button)->geometry();
        EXPECT_EQ(shot.pixel(area.center().x(), area.top() + 3), qRgb(0, 0, 0)) << button;
        int white = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                white += qGray(shot.pixel(x, y)) > 160;
        EXPECT_GT(white, 5) << button;
    }
}

struct CentreRow {
    const char* name;
    int screenWidth, screenHeight, outerWidth, outerHeight;
    int x, y;
};

const CentreRow CentreRows[] = {
    {"full HD", 1920, 1080, 806, 629, 557, 225},
    {"odd remainder truncates", 1025, 769, 806, 629, 109, 70},
    {"one narrower than the screen", 807, 630, 806, 629, 0, 0},
    {"exactly the screen", 806, 629, 806, 629, 0, 0},
    {"wider and higher than the screen", 800, 600, 806, 629, 0, 0},
    {"only higher than the screen", 1024, 600, 806, 629, 109, 0},
};

TEST(CentreOnScreen, PlacesTheOuterRectangleInTheMiddle)
{
    for (const CentreRow& row : CentreRows) {
        int x = -1, y = -1;
        CentreOnScreen(row.screenWidth, row.screenHeight, row.outerWidth, row.outerHeight, &x, &y);
        EXPECT_EQ(x, row.x) << row.name;
        EXPECT_EQ(y, row.y) << row.name;
    }
}

TEST(MainLoop, OnlyACloseRequestForTheMainWindowEndsIt)
{
    ReopenMainWindow();
    SetControlText(DailyExpField, "1");
    for (int control = 0; control <= 7; ++control)
        PostEvent(ControlEvent, MainWindow, control);
    PostEvent(CloseRequest, 20, -1);
    PostEvent(CloseRequest, 5, -1);
    PostEvent(CloseRequest, MainWindow, -1);
    RunMainLoop();
    EXPECT_EQ(CountPendingEvents(), 0);
    EXPECT_FALSE(IsWindowOpen(MainWindow));
}

TEST(MainLoop, OtherControlsChangeNothing)
{
    ReopenMainWindow();
    SetControlText(DailyExpField, "1");
    const std::string before = ListText(ScheduleList, 50, 3);
    for (int control : {0, 1, 2, 3, 4, 5, 6, 7, 10, -1}) {
        PostEvent(ControlEvent, MainWindow, control);
        EXPECT_TRUE(HandleMainEvent(WaitEvent()));
    }
    EXPECT_EQ(ListText(ScheduleList, 50, 3), before);
    EXPECT_TRUE(IsWindowOpen(MainWindow));
}

TEST(MainLoop, TheCloseBoxAsksAndTheLoopCloses)
{
    ReopenMainWindow();
    WindowWidget(MainWindow)->close();
    EXPECT_TRUE(IsWindowOpen(MainWindow)) << "a close request leaves the window open";
    ASSERT_EQ(WaitEvent(), CloseRequest);
    EXPECT_EQ(EventWindow(), MainWindow);
    EXPECT_FALSE(HandleMainEvent(CloseRequest));
    EXPECT_FALSE(IsWindowOpen(MainWindow));
}

TEST(MainLoop, ReturnsAtOnceWithoutAMainWindow)
{
    StartProgramOnce();
    CloseWindow(MainWindow);
    PostEvent(ControlEvent, MainWindow, CalculateButton);
    RunMainLoop();
    EXPECT_EQ(CountPendingEvents(), 1) << "the loop took no event";
    Registry.events.clear();
}

// What start-up has done at each step, as the probe sees it.
struct StepState {
    std::string step;
    bool visible;
    int rows;
    std::chrono::steady_clock::time_point at;
};
std::vector<StepState> Steps;

TEST(StartUp, ShowsTheWindowFilledAndOnly200MsAfterBuildingIt)
{
    Steps.clear();
    StartUp([](const char* step) {
        Steps.push_back({step, IsWindowVisible(MainWindow) != 0, CountListRows(ScheduleList),
                         std::chrono::steady_clock::now()});
    });
    ASSERT_GE(Steps.size(), 3u);
    const StepState& built = Steps[Steps.size() - 3];
    const StepState& shown = Steps.back();
    EXPECT_EQ(built.step, "window");
    EXPECT_FALSE(built.visible);
    EXPECT_EQ(built.rows, 51);
    EXPECT_EQ(shown.step, "shown");
    EXPECT_TRUE(shown.visible);
    EXPECT_GE(shown.at - built.at, std::chrono::milliseconds(200));
}

} // namespace

namespace {

// What a screen reader gets through the accessibility interface.
TEST(Accessibility, ListCellsComboItemsFieldAndButtonsCanBeReadAndUsed)
{
    ReopenMainWindow();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(ControlWidget(ScheduleList));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), QString("График получения званий"));
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 51);
    EXPECT_EQ(table->columnCount(), 5);
    EXPECT_EQ(table->cellAt(3, 0)->text(QAccessible::Name), QString("Ефрейтор (Corporal)"));
    EXPECT_EQ(table->cellAt(3, 2)->text(QAccessible::Name), QString("9000"));
    EXPECT_EQ(table->columnDescription(4), QString("Приблизительная дата"));

    QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(ControlWidget(CurrentRankCombo));
    EXPECT_EQ(ControlWidget(CurrentRankCombo)->accessibleName(), QString("Моё текущее звание"));
    EXPECT_EQ(combo->text(QAccessible::Value), QString("Ст. кадет (Trainee)"));
    const auto labels = combo->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), QString("Мое текущее звание:"));
    ASSERT_EQ(combo->childCount(), 1) << "the list of items";
    EXPECT_EQ(combo->child(0)->childCount(), 51);

    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(ControlWidget(DailyExpField));
    EXPECT_EQ(field->text(QAccessible::Value), QString("6000"));
    ASSERT_NE(field->editableTextInterface(), nullptr);
    field->editableTextInterface()->replaceText(0, 4, "7000");
    EXPECT_EQ(ControlText(DailyExpField), "7000");

    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(ControlWidget(CalculateButton));
    EXPECT_EQ(button->text(QAccessible::Name), QString("Рассчитать график"));
    ASSERT_NE(button->actionInterface(), nullptr);
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(WaitEvent(), ControlEvent);
    EXPECT_EQ(EventControl(), CalculateButton);
    EXPECT_TRUE(HandleMainEvent(ControlEvent));
    EXPECT_EQ(ListText(ScheduleList, 3, 3), "1 дней") << "9000 / 7000 rounds to 1";
}

} // namespace
