// The schedule: what one row of ranks shows and how its numbers come about,
// the first fill of the list and its rebuild on "Рассчитать".
#pragma once

#include <cstdint>
#include <string>

// The small-icon set installed on the schedule list; exactly one exists.
extern int ScheduleIcons;

// Writes one cell: column 0 inserts row `row` with `text` and icon `icon`,
// higher columns set the text of the existing row. The text is copied.
// Returns 0, which callers ignore.
int32_t SetListCell(int32_t list, int32_t row, int32_t column, const std::string& text, int32_t icon);

// Fills the list with all 51 ranks at 6000 EXP a day from the picker's date,
// adds the 51 names to the rank box and selects the first.
void FillInitialSchedule();

// Lists the ranks from the selected one upward by the typed daily EXP and the
// picker's date; a daily EXP that reads as 0 leaves everything as it is.
void RebuildSchedule();
