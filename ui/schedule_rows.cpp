#include "app/rank_table.h"
#include "platform/platform.h"
#include "resources/resources.h"
#include "ui/main_window.h"
#include "ui/number_text.h"
#include "ui/schedule.h"
#include "ui/schedule_rules.h"
#include "ui/schedule_run.h"

#include <cstdint>

int ScheduleIcons = 0;

namespace {

// The image number that holds one rank's icon while it joins the icon set.
constexpr int RankIconImage = 10;

// Decodes rank `rank`'s icon from the location its table row names and
// appends it to the icon set; returns the icon's index in the set.
int AddRankIcon(int rank)
{
    const auto location = static_cast<uintptr_t>(ParseNumberText(RankTable[rank][IconRef]));
    DecodeImage(RankIconImage, reinterpret_cast<const unsigned char*>(location), RankIconFileSize);
    return AddIconToSet(ScheduleIcons, RankIconImage);
}

} // namespace

int32_t SetListCell(int32_t list, int32_t row, int32_t column, const std::string& text, int32_t icon)
{
    if (column == 0)
        InsertListRow(list, row, text, icon);
    else
        SetListText(list, row, column, text);
    return 0;
}

void WriteScheduleRun(int firstRank, int64_t dailyExp, bool fillRankBox)
{
    const int32_t start = DatePickerValue(StartDatePicker);
    float cumulativeExp = 0;
    float baseExp = 0;
    for (int rank = 0; rank < RankCount; ++rank) {
        if (rank >= firstRank) {
            if (rank == firstRank)
                baseExp = cumulativeExp;
            const int icon = AddRankIcon(rank);
            if (fillRankBox)
                InsertComboItem(CurrentRankCombo, rank, RankTable[rank][RankName]);
            const int64_t days = DaysToRank(cumulativeExp, baseExp, dailyExp);
            const int row = rank - firstRank;
            SetListCell(ScheduleList, row, 0, RankTable[rank][RankName], icon);
            SetListCell(ScheduleList, row, 1, RankTable[rank][ExpToNext], 0);
            SetListCell(ScheduleList, row, 2, IntegerText(static_cast<int64_t>(cumulativeExp)), 0);
            SetListCell(ScheduleList, row, 3, IntegerText(days) + " дней", 0);
            SetListCell(ScheduleList, row, 4, ScheduleDateText(start, days), 0);
            FreeImage(RankIconImage);
        }
        // Ranks below the first listed one still count in the Exp column.
        cumulativeExp += static_cast<float>(ParseNumberText(RankTable[rank][ExpToNext]));
    }
}
