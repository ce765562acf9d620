// What both date test files share: the settings as start-up writes them,
// WideDates computed by <chrono>, and names for table rows.
#pragma once

#include "date/wide_date.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <string>

namespace chr = std::chrono;

inline constexpr int64_t Max64 = std::numeric_limits<int64_t>::max();
inline constexpr int64_t Min64 = std::numeric_limits<int64_t>::min();
inline constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();
inline constexpr int32_t Min32 = std::numeric_limits<int32_t>::min();
inline constexpr WideDate LastValid = 265046774399; // 9999-12-31 23:59:59

// Writes the module settings exactly as start-up does, before any test runs.
class DateSettings : public ::testing::Environment {
public:
    void SetUp() override
    {
        TicksPerUnit = 10000000;
        UnitsPerDay = 864000000000 / TicksPerUnit;
        UnixEpochOffset = 11644473600;
    }
};
inline ::testing::Environment* const Settings = ::testing::AddGlobalTestEnvironment(new DateSettings);

// The WideDate (one-second units) of a calendar date, computed by <chrono>.
constexpr WideDate Wide(int y, int m, int d, int h = 0, int mi = 0, int s = 0)
{
    const auto days = chr::sys_days{chr::year{y} / m / d} - chr::sys_days{chr::year{1601} / 1 / 1};
    return days.count() * 86400 + h * 3600 + mi * 60 + s;
}

// Names each generated test after its row.
template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}
