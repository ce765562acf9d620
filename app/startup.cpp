#include "app/about_text.h"
#include "app/program.h"
#include "app/rank_table.h"
#include "date/wide_date.h"
#include "platform/platform.h"
#include "resources/resources.h"
#include "ui/main_window.h"

namespace {

void Report(StartUpProbe probe, const char* step)
{
    if (probe)
        probe(step);
}

} // namespace

void StartUp(StartUpProbe probe)
{
    // Platform services; none is checked: without a screen only the info box lacks it.
    InitPlatformServices();
    Report(probe, "platform");
    SetAboutText();
    LoadFont(CaptionFont, "Arial", 20);
    LoadFont(BodyFont, "Arial", 12);
    Report(probe, "fonts");
    // One wide-date unit is one second.
    TicksPerUnit = 10'000'000;
    UnitsPerDay = 864'000'000'000 / TicksPerUnit;
    UnixEpochOffset = 11'644'473'600;
    InitJpegDecoder();
    BackgroundImage = DecodeImage(0, BackgroundPicture, BackgroundPictureSize) ? 0 : -1;
    Report(probe, "picture");
    BuildRankTable();
    Report(probe, "table");
    OpenMainWindow();
    Report(probe, "window");
    Pause(200);
    Report(probe, "pause");
    ShowWindow(MainWindow);
    Report(probe, "shown");
}

void ShutDown()
{
    ReleasePlatform();
}
