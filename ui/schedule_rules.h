// The rules of one schedule row that need no window: days to a rank and
// the date text of that day.
#pragma once

#include <cstdint>
#include <string>

// Days until a rank is reached: (cumulative − base) ÷ daily to the nearest
// integer, halves to the even one. Exact for every total below 2^23 and any
// non-zero daily EXP; a daily EXP of 0 gives 0.
int64_t DaysToRank(float cumulativeExp, float baseExp, int64_t dailyExp);

// "%dd.%mm.%yyyy" of the picker's value moved by `days` days. Dates use
// 64-bit seconds so that rows past 2038 stay right, up to 31.12.9999.
std::string ScheduleDateText(int32_t pickerValue, int64_t days);
