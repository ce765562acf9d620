#include "info/info_box.h"

#include "info/text_image.h"
#include "info/text_layout.h"

std::atomic<int32_t> ScrollStopFlag{0};

namespace {

constexpr int InfoOkButton = 25;
constexpr int CaptionView = 26;
constexpr int ScrollTextSprite = 30;
constexpr int WindowSide = 320;
constexpr int ScreenX = 10, ScreenY = 80, ScreenWidth = 320, ScreenHeight = 200;
constexpr int TextWidthPx = 260, MeasureHeight = 300;
constexpr int FramePauseMs = 30;

// Waits until "Ok" is clicked or any window is asked to close; drops the rest,
// the main window's clicks included.
void WaitForDismissal()
{
    for (;;) {
        int event = WaitEvent();
        if (event == ControlEvent && EventControl() == InfoOkButton)
            event = CloseRequest;
        if (event == CloseRequest)
            return;
    }
}

} // namespace

// Without a window there is no box to show or dismiss, so nothing waits. A
// missing screen or sprite leaves the box without scrolling text, and no
// thread is started for it; whatever was made is released once.
int RunInfoBox(int windowNo, int captionImageNo, const std::string& title, const std::string& text, int fontNo,
               const std::string& buttonText, Colour windowColour, Colour textColour, Colour screenColour)
{
    const int brush = MakeColourBrush(windowColour);
    if (!OpenWindow(windowNo, 0, 0, WindowSide, WindowSide, title, WindowCentred)) {
        FreeBrush(brush);
        ScrollStopFlag = 1;
        return 0;
    }
    SetWindowBrush(windowNo, brush);
    CreateImageView(CaptionView, 10, 10, 1, 1, captionImageNo);
    OpenScreen(windowNo, ScreenX, ScreenY, ScreenWidth, ScreenHeight);
    ClearScreen(RebuiltColour(screenColour));
    CreateButton(InfoOkButton, 10, 290, 300, 20, buttonText);
    SetAccessibleName(InfoOkButton, "Закрыть окно «" + title + "»");
    // The scrolling pixels say nothing to a screen reader; the text itself does.
    SetScreenAccessibleName("О программе", text);
    RenderTextSprite(ScrollTextSprite, TextWidthPx, MeasureHeight, text, fontNo, textColour, screenColour);
    const int scroller = IsSprite(ScrollTextSprite) ? StartThread(ScrollerThread, FramePauseMs) : 0;

    WaitForDismissal();

    ScrollStopFlag = 1;
    if (scroller) {
        Pause(FramePauseMs);
        WaitThread(scroller);
    }
    CloseWindow(windowNo);
    FreeBrush(brush);
    FreeSprite(ScrollTextSprite); // only now: the scroller has ended
    return 0;
}

// The flag is read once per frame, after the pause, so a dismissal at once
// still shows the first frame.
int ScrollerThread(int frameDelayMs)
{
    int row = ScrollStartRow;
    do {
        row = ScrollFrame(row);
        Pause(frameDelayMs);
    } while (ScrollStopFlag.load() != 1);
    return 0;
}

// The screen is never cleared between frames: the sprite's own background
// covers where it was, and what lies outside its rectangle stays.
int ScrollFrame(int row)
{
    const int next = NextScrollRow(row, SpriteHeight(ScrollTextSprite));
    DisplaySprite(ScrollTextSprite, 0, next);
    FlipScreen();
    return next;
}
