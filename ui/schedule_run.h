// Inside the schedule only: the row loop that the first fill and the rebuild share.
#pragma once

#include <cstdint>

// Writes the rows of ranks `firstRank`..50 into the schedule list, counting
// days from the first listed rank at `dailyExp` a day and dating them from the
// picker. With `fillRankBox` each rank's name also joins the rank box.
void WriteScheduleRun(int firstRank, int64_t dailyExp, bool fillRankBox);
