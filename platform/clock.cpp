#include "platform/clock.h"

#include <atomic>
#include <chrono>
#include <ctime>

namespace {

// The machine's local time through the C library, which applies the zone and
// daylight-saving rules the desktop is set to.
ClockReading ReadMachineClock()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto sinceSecond = duration_cast<milliseconds>(now - system_clock::from_time_t(seconds)).count();
    std::tm local{};
    localtime_r(&seconds, &local);
    ClockReading r{};
    r.year = local.tm_year + 1900;
    r.month = local.tm_mon + 1;
    r.weekday = local.tm_wday;
    r.day = local.tm_mday;
    r.hour = local.tm_hour;
    r.minute = local.tm_min;
    r.second = local.tm_sec > 59 ? 59 : local.tm_sec;
    // to_time_t may round up on some libraries; keep the fraction in range.
    r.millisecond = sinceSecond < 0 ? 0 : static_cast<int32_t>(sinceSecond % 1000);
    return r;
}

// Atomic so that a test may swap the source while another thread reads it.
std::atomic<ClockSource> CurrentSource{nullptr};

} // namespace

ClockReading ReadLocalClock()
{
    const ClockSource source = CurrentSource.load(std::memory_order_acquire);
    return source ? source() : ReadMachineClock();
}

void ReplaceLocalClock(ClockSource source)
{
    CurrentSource.store(source, std::memory_order_release);
}
