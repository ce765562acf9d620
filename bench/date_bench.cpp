// Speed of the schedule's date column: a start date moved by a number of days
// and printed as "%dd.%mm.%yyyy". The wide date module is measured beside
// the same job done with glibc (gmtime_r + strftime) and with <chrono> civil
// dates + snprintf; before anything is timed, all three must print the same
// text for every date in the set. Also times a MakeWideDate + SplitWideDate
// round trip.
#include "date/wide_date.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

namespace chr = std::chrono;

constexpr WideDate LastValid = 265046774399; // 9999-12-31 23:59:59
constexpr size_t MoveCount = 4096;           // a power of two, so the index wraps with a mask

// One schedule cell: a start date and the days to add to it.
struct DayMove {
    WideDate start;
    int64_t days;
};

// Calendar fields for the round trip.
struct Fields {
    int32_t year, month, day, hour, minute, second;
};

std::vector<DayMove> Moves;
std::vector<Fields> FieldSets;

// Writes the module settings as start-up does.
void WriteSettings()
{
    TicksPerUnit = 10000000;
    UnitsPerDay = 864000000000 / TicksPerUnit;
    UnixEpochOffset = 11644473600;
}

// Fills Moves with start dates anywhere in 1601..9999 and day counts that keep
// the result inside that range, and FieldSets with their split fields.
void MakeInputs()
{
    std::mt19937_64 random(20110408);
    std::uniform_int_distribution<WideDate> anyDate(0, LastValid);
    for (size_t i = 0; i < MoveCount; ++i) {
        const WideDate start = anyDate(random);
        const WideDate target = anyDate(random);
        Moves.push_back({start, target / 86400 - start / 86400});
        Fields f{};
        SplitWideDate(target, f.year, f.month, f.day, &f.hour, &f.minute, &f.second);
        FieldSets.push_back(f);
    }
}

// The module's way.
std::string WideDateText(const DayMove& move)
{
    return FormatWideDate("%dd.%mm.%yyyy", AddToWideDate(move.start, Days, move.days));
}

// glibc's way: seconds since 1970 in a 64-bit time_t, split as UTC (the
// module applies no zone either).
std::string GlibcText(const DayMove& move)
{
    const std::time_t seconds = static_cast<std::time_t>(move.start - UnixEpochOffset + move.days * 86400);
    std::tm fields{};
    gmtime_r(&seconds, &fields);
    char buffer[32];
    const size_t length = std::strftime(buffer, sizeof buffer, "%d.%m.%Y", &fields);
    return std::string(buffer, length);
}

// <chrono>'s way: a day count turned into a civil date, printed by snprintf.
std::string ChronoText(const DayMove& move)
{
    const chr::sys_days day = chr::sys_days{chr::year{1601} / 1 / 1} + chr::days{move.start / 86400 + move.days};
    const chr::year_month_day ymd{day};
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%02u.%02u.%04d", static_cast<unsigned>(ymd.day()),
                                     static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()));
    return std::string(buffer, static_cast<size_t>(length));
}

// True when the three ways print the same text for every move; reports the
// first difference otherwise.
bool SameTextEverywhere()
{
    for (const DayMove& move : Moves) {
        const std::string wide = WideDateText(move), glibc = GlibcText(move), chrono = ChronoText(move);
        if (wide != glibc || wide != chrono) {
            std::fprintf(stderr, "start %lld + %lld days: module \"%s\", glibc \"%s\", chrono \"%s\"\n",
                         static_cast<long long>(move.start), static_cast<long long>(move.days), wide.c_str(),
                         glibc.c_str(), chrono.c_str());
            return false;
        }
    }
    return true;
}

// Times one way of printing a moved date, one move per iteration.
template <std::string (*Text)(const DayMove&)>
void MoveAndPrint(benchmark::State& state)
{
    size_t i = 0;
    for (auto _ : state) {
        std::string text = Text(Moves[i++ & (MoveCount - 1)]);
        benchmark::DoNotOptimize(text);
    }
}

// Times MakeWideDate followed by SplitWideDate of the result.
void MakeAndSplit(benchmark::State& state)
{
    size_t i = 0;
    for (auto _ : state) {
        const Fields& f = FieldSets[i++ & (MoveCount - 1)];
        Fields back{};
        const WideDate date = MakeWideDate(f.year, f.month, f.day, f.hour, f.minute, f.second);
        SplitWideDate(date, back.year, back.month, back.day, &back.hour, &back.minute, &back.second);
        benchmark::DoNotOptimize(back);
    }
}

// The fastest of the repetitions: on a machine shared with other work the
// least disturbed run is the fairest figure.
double Fastest(const std::vector<double>& times)
{
    return *std::min_element(times.begin(), times.end());
}

BENCHMARK(MoveAndPrint<WideDateText>)->Name("AddDays+FormatWideDate")->ComputeStatistics("min", Fastest);
BENCHMARK(MoveAndPrint<GlibcText>)->Name("glibc gmtime_r+strftime")->ComputeStatistics("min", Fastest);
BENCHMARK(MoveAndPrint<ChronoText>)->Name("chrono year_month_day+snprintf")->ComputeStatistics("min", Fastest);
BENCHMARK(MakeAndSplit)->Name("MakeWideDate+SplitWideDate")->ComputeStatistics("min", Fastest);

} // namespace

int main(int argc, char** argv)
{
    WriteSettings();
    MakeInputs();
    if (!SameTextEverywhere())
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
