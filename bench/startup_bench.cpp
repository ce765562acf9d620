// Start-up time and peak memory of the program against a bare Qt window.
//
// Run without arguments: it starts itself 15 times as the program and 15
// times as a bare Qt Widgets 800×600 window (the floor), each in a fresh
// process, and prints the medians. A child measures from the moment its
// parent was about to start it until the main window's first expose, and
// reports each start-up step on the way.
// Needs a display (run it under xvfb-run).
#include "app/program.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 15;
int64_t LaunchNs = 0;                    // wall-clock time the parent started this child
struct Step {
    std::string name;
    double ms;  // elapsed since launch at the end of the step
    long peakKb; // peak resident memory by then
};
std::vector<Step> Steps;

int64_t NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch()).count();
}

double SinceLaunchMs()
{
    return double(NowNs() - LaunchNs) / 1e6;
}

long PeakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Record(const char* step)
{
    Steps.push_back({step, SinceLaunchMs(), PeakKb()});
}

// Reports the first expose of the window it watches, then ends the process.
class ExposeWatch : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            Record("exposed");
            for (const Step& step : Steps)
                std::printf("%s %.3f %ld\n", step.name.c_str(), step.ms, step.peakKb);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

void WatchFirstExpose(QWidget* window)
{
    static ExposeWatch watch;
    window->winId(); // makes the native window so its expose can be seen
    window->windowHandle()->installEventFilter(&watch);
}

int RunProgram()
{
    StartUp([](const char* step) {
        Record(step);
        if (std::strcmp(step, "window") == 0)
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->windowTitle() == QString("Звания Stelvane"))
                    WatchFirstExpose(widget);
    });
    for (;;)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

int RunBare()
{
    static int argc = 1;
    static char name[] = "bare";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    Record("platform");
    QWidget window;
    window.setFixedSize(800, 600);
    window.setWindowTitle("bare");
    WatchFirstExpose(&window);
    Record("window");
    window.show();
    return app.exec();
}

// Starts this executable as a child in `mode` and collects what it prints.
struct Sample {
    double ms;
    double peakKb;
};

std::map<std::string, Sample> RunChild(const char* self, const char* mode)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        std::exit(1);
    const std::string launch = std::to_string(NowNs());
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        execl(self, self, mode, launch.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(pipeEnds[1]);
    std::string output;
    char buffer[512];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, std::size_t(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    std::map<std::string, Sample> values;
    char step[64];
    Sample sample{};
    for (const char* line = output.c_str(); std::sscanf(line, "%63s %lf %lf", step, &sample.ms, &sample.peakKb) == 3;) {
        values[step] = sample;
        line = std::strchr(line, '\n');
        if (!line)
            break;
        ++line;
    }
    return values;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3) {
        LaunchNs = std::strtoll(argv[2], nullptr, 10);
        return std::strcmp(argv[1], "bare") == 0 ? RunBare() : RunProgram();
    }
    std::map<std::string, std::vector<double>> programMs, programKb, bareMs, bareKb;
    for (int run = 0; run < Runs; ++run) {
        for (const auto& [step, sample] : RunChild(argv[0], "program")) {
            programMs[step].push_back(sample.ms);
            programKb[step].push_back(sample.peakKb);
        }
        for (const auto& [step, sample] : RunChild(argv[0], "bare")) {
            bareMs[step].push_back(sample.ms);
            bareKb[step].push_back(sample.peakKb);
        }
    }
    std::printf("Program start-up, median of %d runs, at the end of each step since launch:\n", Runs);
    for (const char* step : {"platform", "fonts", "picture", "table", "window", "pause", "shown", "exposed"})
        std::printf("  %-9s %8.1f ms %8.0f KiB peak\n", step, Median(programMs[step]), Median(programKb[step]));
    const double program = Median(programMs["exposed"]) - 200;
    const double bare = Median(bareMs["exposed"]);
    const double programPeak = Median(programKb["exposed"]);
    const double barePeak = Median(bareKb["exposed"]);
    std::printf("Start-up without the 200 ms pause: %.1f ms; bare Qt window: %.1f ms; ratio %.2f (goal <= 1.5)\n",
                program, bare, program / bare);
    std::printf("Peak memory: %.0f KiB; bare Qt window: %.0f KiB; ratio %.2f (goal <= 1.3)\n",
                programPeak, barePeak, programPeak / barePeak);
    return 0;
}
