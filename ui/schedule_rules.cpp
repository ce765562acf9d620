#include "ui/schedule_rules.h"

#include "date/wide_date.h"

#include <cmath>

int64_t DaysToRank(float cumulativeExp, float baseExp, int64_t dailyExp)
{
    if (dailyExp == 0)
        return 0;
    // Both operands are exact in a double, so the quotient is correctly
    // rounded and halves are true halves; round them to even explicitly,
    // whatever rounding mode the processor is in.
    const double quotient = double(cumulativeExp - baseExp) / double(dailyExp);
    const double below = std::floor(quotient);
    const double fraction = quotient - below;
    double days = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        days = below + 1.0;
    return static_cast<int64_t>(days);
}

std::string ScheduleDateText(int32_t pickerValue, int64_t days)
{
    const WideDate start = int64_t(pickerValue) + UnixEpochOffset;
    return FormatWideDate("%dd.%mm.%yyyy", AddToWideDate(start, Days, days));
}
