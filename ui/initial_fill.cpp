#include "app/rank_table.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/schedule.h"
#include "ui/schedule_run.h"

void FillInitialSchedule()
{
    constexpr int64_t InitialDailyExp = 6000;
    ScheduleIcons = CreateIconSet(20, 20, 24, 0, 0);
    InstallIconSet(ScheduleList, ScheduleIcons);
    WriteScheduleRun(0, InitialDailyExp, true);
    SelectComboItemByText(CurrentRankCombo, RankTable[0][RankName]);
}
