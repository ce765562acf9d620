// The info box's speed: from the click on "?" to the first presented frame,
// the two renderers on their own, and the scroller's share of one core and
// its frame period over ten seconds of scrolling. Runs on the offscreen
// platform unless QT_QPA_PLATFORM says otherwise (xcb under Xvfb).
#include "app/about_text.h"
#include "info/info_box.h"
#include "info/text_image.h"
#include "platform/platform.h"
#include "platform/registry.h"

#include <QTimer>

#include <benchmark/benchmark.h>

#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <random>
#include <thread>
#include <vector>

namespace {

constexpr int InfoWindow = 20;
constexpr int InfoOkButton = 25;
constexpr auto ScrollingTime = std::chrono::seconds(10);
constexpr auto PollInterval = std::chrono::microseconds(50);

using Clock = std::chrono::steady_clock;

// The handler of "?" in the main loop: its three steps.
void ClickInfoButton()
{
    ScrollStopFlag = 0;
    RenderCaptionImage(22, 280, 50, "Звания Stelvane", 23, 0x74DD7C, 0);
    RunInfoBox(InfoWindow, 22, "Info", AboutText, 24, "Ok", 0, 0xFFFFFF, 0);
}

// Watches the flip counter from its own thread and notes when each flip lands.
struct FlipWatch {
    std::atomic<bool> stop{false};
    std::atomic<bool> watching{false};
    std::vector<Clock::time_point> flips;
    std::thread thread;

    // Starts watching and returns once the counter has been read; a new
    // screen shows as the counter falling back to 0.
    void Start(bool waitForNewScreen)
    {
        thread = std::thread([this, waitForNewScreen] {
            bool fresh = !waitForNewScreen;
            int seen = CountFlips();
            watching = true;
            while (!stop.load()) {
                const int now = CountFlips();
                if (now == 0)
                    fresh = true;
                if (fresh && now > seen)
                    flips.push_back(Clock::now());
                seen = now;
                std::this_thread::sleep_for(PollInterval);
            }
        });
        while (!watching.load())
            std::this_thread::yield();
    }
    // Stops watching and joins.
    void Stop()
    {
        stop = true;
        thread.join();
    }
};

// From the click to the first frame on the screen; the box is dismissed by
// an "Ok" queued beforehand, so it closes right after that frame.
void ClickToFirstFrame(benchmark::State& state)
{
    std::vector<double> samples;
    // Each box ends a fixed time after a refresh slot; without a random wait
    // every click would land at the same point of the refresh cycle.
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> phaseUs(0, 20000);
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::microseconds(phaseUs(random)));
        FlipWatch watch;
        watch.Start(true);
        PostEvent(ControlEvent, InfoWindow, InfoOkButton);
        const Clock::time_point click = Clock::now();
        ClickInfoButton();
        watch.Stop();
        if (watch.flips.empty()) {
            state.SkipWithError("no frame was presented");
            return;
        }
        const double seconds = std::chrono::duration<double>(watch.flips.front() - click).count();
        samples.push_back(seconds * 1e3);
        state.SetIterationTime(seconds);
    }
    std::sort(samples.begin(), samples.end());
    state.counters["median_ms"] = samples[samples.size() / 2];
    state.counters["max_ms"] = samples.back();
    state.counters["refresh_ms"] = double(Registry.screen.refreshNs) / 1e6;
}
BENCHMARK(ClickToFirstFrame)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

// The caption alone.
void CaptionImage(benchmark::State& state)
{
    for (auto _ : state)
        RenderCaptionImage(22, 280, 50, "Звания Stelvane", 23, 0x74DD7C, 0);
}
BENCHMARK(CaptionImage)->Unit(benchmark::kMicrosecond);

// The text sprite alone, both passes, on a scratch screen.
void TextSprite(benchmark::State& state)
{
    OpenWindow(41, 0, 0, 340, 300, "scratch", WindowHidden);
    OpenScreen(41, 10, 80, 320, 200);
    for (auto _ : state)
        RenderTextSprite(30, 260, 300, AboutText, 24, 0xFFFFFF, 0);
    FreeSprite(30);
    CloseWindow(41);
    CloseScreen();
}
BENCHMARK(TextSprite)->Unit(benchmark::kMicrosecond);

// CPU time of a thread so far, in seconds.
double ThreadCpuSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Ten seconds of the real box: the scroller's CPU time over that span as a
// share of one core, and the spacing of its frames.
void Scrolling(benchmark::State& state)
{
    for (auto _ : state) {
        static clockid_t scrollerClock;
        static double cpuAtStart = 0, cpuAtEnd = 0;
        static Clock::time_point wallAtStart, wallAtEnd;
        static bool haveClock = false;
        haveClock = false;
        FlipWatch watch;
        watch.Start(true);
        // Once the loop runs the scroller exists and is the only thread.
        QTimer::singleShot(0, [] {
            haveClock = !Registry.threads.empty() &&
                        pthread_getcpuclockid(Registry.threads.begin()->second.native_handle(), &scrollerClock) == 0;
            wallAtStart = Clock::now();
            if (haveClock)
                cpuAtStart = ThreadCpuSeconds(scrollerClock);
        });
        QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(ScrollingTime), [] {
            wallAtEnd = Clock::now();
            if (haveClock)
                cpuAtEnd = ThreadCpuSeconds(scrollerClock); // read while it still runs
            PostEvent(ControlEvent, InfoWindow, InfoOkButton);
        });
        ClickInfoButton();
        watch.Stop();
        if (!haveClock || watch.flips.size() < 3) {
            state.SkipWithError("the scroller did not run");
            return;
        }
        std::vector<double> periods;
        for (std::size_t k = 1; k < watch.flips.size(); ++k)
            periods.push_back(std::chrono::duration<double, std::milli>(watch.flips[k] - watch.flips[k - 1]).count());
        std::sort(periods.begin(), periods.end());
        const double wall = std::chrono::duration<double>(wallAtEnd - wallAtStart).count();
        state.counters["cpu_share_pct"] = 100.0 * (cpuAtEnd - cpuAtStart) / wall;
        state.counters["frames"] = double(watch.flips.size());
        state.counters["period_median_ms"] = periods[periods.size() / 2];
        state.counters["period_p5_ms"] = periods[periods.size() * 5 / 100];
        state.counters["period_p95_ms"] = periods[periods.size() * 95 / 100];
        state.counters["period_max_ms"] = periods.back();
    }
}
BENCHMARK(Scrolling)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    InitPlatformServices();
    InitJpegDecoder();
    SetAboutText();
    LoadFont(23, "Arial", 20);
    LoadFont(24, "Arial", 12);
    OpenWindow(0, 0, 0, 800, 600, "main", 0);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    CloseWindow(0);
    ReleasePlatform();
    return 0;
}
