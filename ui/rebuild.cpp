#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/number_text.h"
#include "ui/schedule.h"
#include "ui/schedule_run.h"

void RebuildSchedule()
{
    const int64_t dailyExp = ParseNumberText(ControlText(DailyExpField));
    if (dailyExp == 0)
        return;
    ClearList(ScheduleList);
    // Clearing the rows took the list's colouring with them.
    ColourScheduleList();
    ScheduleIcons = CreateIconSet(20, 20, 24, 0, 0);
    FreeIconSet(InstallIconSet(ScheduleList, ScheduleIcons));
    const int firstRank = SelectedComboItem(CurrentRankCombo);
    WriteScheduleRun(firstRank < 0 ? 0 : firstRank, dailyExp, false);
}
