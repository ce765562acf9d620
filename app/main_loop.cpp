#include "app/about_text.h"
#include "app/program.h"
#include "info/info_box.h"
#include "info/text_image.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/schedule.h"

namespace {

constexpr int InfoWindow = 20;
constexpr int CaptionImage = 22;

// A fresh caption and a fresh box on every click of "?".
void OpenInfoBox()
{
    ScrollStopFlag = 0;
    RenderCaptionImage(CaptionImage, 280, 50, "Звания Stelvane", CaptionFont, 0x74DD7C, 0);
    RunInfoBox(InfoWindow, CaptionImage, "Info", AboutText, BodyFont, "Ok", 0, 0xFFFFFF, 0);
}

} // namespace

bool HandleMainEvent(int event)
{
    // Whatever action a control reports counts: its type is not examined.
    if (event == ControlEvent && EventControl() == InfoButton)
        OpenInfoBox();
    else if (event == ControlEvent && EventControl() == CalculateButton)
        RebuildSchedule();
    else if (event == CloseRequest && EventWindow() == MainWindow) {
        CloseWindow(MainWindow);
        return false;
    }
    return true;
}

void RunMainLoop()
{
    if (!IsWindowOpen(MainWindow))
        return;
    while (HandleMainEvent(WaitEvent())) {
    }
}
