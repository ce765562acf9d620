#include "ui/main_window.h"

#include "date/wide_date.h"
#include "platform/platform.h"
#include "ui/schedule.h"

#include <cstdint>

int BackgroundImage = -1;

namespace {

constexpr Colour White = 0xFFFFFF;
constexpr Colour Black = 0x000000;
constexpr Colour DarkRow = 0x141414;

// Labels are opaque black boxes with white text over the picture.
void CreateLabel(int number, int x, int y, int width, int height, const char* text)
{
    CreateTextLabel(number, x, y, width, height, text);
    SetControlColour(number, ControlBackColour, Black);
    SetControlColour(number, ControlTextColour, White);
    SetAccessibleName(number, text);
}

// The local date and time as seconds since 1970 of its wall-clock fields,
// kept within the picker's span 1970-01-01 .. 2038-01-19.
int32_t CurrentLocalSeconds()
{
    const int64_t seconds = MakeWideDate(0, 0, 0, 0, 0, 0) - UnixEpochOffset;
    return seconds < 0 ? 0 : seconds > INT32_MAX ? INT32_MAX : static_cast<int32_t>(seconds);
}

} // namespace

void ColourScheduleList()
{
    ColourList(ScheduleList, White, Black, DarkRow, 2);
}

void OpenMainWindow()
{
    // Created hidden: the entry point shows it once the list is filled.
    if (!OpenWindow(MainWindow, 100, 100, 800, 600, "Звания Stelvane",
                    WindowCentred | WindowHidden | WindowTitleBar | WindowMenu | WindowMinimiseBox))
        return;
    // The creation order is the Tab order.
    CreateLabel(CurrentRankLabel, 200, 10, 115, 15, "Мое текущее звание:");
    CreateComboBox(CurrentRankCombo, 320, 5, 150, 350);
    SetAccessibleName(CurrentRankCombo, "Моё текущее звание");
    CreateLabel(DailyExpLabel, 10, 40, 160, 15, "Если в день  буду набивать по:");
    CreateStringField(DailyExpField, 180, 35, 45, 20, "6000");
    SetAccessibleName(DailyExpField, "Опыт в день");
    CreateLabel(ScheduleLabel, 235, 40, 285, 15, "опыта, то график получения званий будет следующим:");
    CreateLabel(TodayLabel, 10, 10, 50, 15, "Сегодня:");
    CreateDatePicker(StartDatePicker, 65, 5, 80, 20, "%dd.%mm.%yyyy", CurrentLocalSeconds());
    SetAccessibleName(StartDatePicker, "Дата начала расчёта");
    SetLabelFor(TodayLabel, StartDatePicker);
    SetLabelFor(CurrentRankLabel, CurrentRankCombo);
    SetLabelFor(DailyExpLabel, DailyExpField);
    CreateListView(ScheduleList, 5, 70, 790, 525, " Звание", 250);
    SetAccessibleName(ScheduleList, "График получения званий");
    CreateButton(InfoButton, 765, 5, 30, 25, "?");
    SetAccessibleName(InfoButton, "О программе");
    CreateButton(CalculateButton, 530, 15, 90, 40, "Рассчитать");
    SetAccessibleName(CalculateButton, "Рассчитать график");
    ColourButton(InfoButton, White, Black);
    ColourButton(CalculateButton, White, Black);
    // The picture behind the controls; the brush lives as long as the process.
    SetWindowBrush(MainWindow, MakeImageBrush(BackgroundImage));
    ColourScheduleList();
    AddListColumn(ScheduleList, 1, " Exp to Up", 50);
    AddListColumn(ScheduleList, 2, " Exp", 50);
    AddListColumn(ScheduleList, 3, "Через сколько получу", 130);
    AddListColumn(ScheduleList, 4, "Приблизительная дата", 130);
    FillInitialSchedule();
}
