// The info box: a window with the caption image, a screen on which the about
// text scrolls upward on its own thread, and a button that dismisses it.
#pragma once

#include "platform/platform.h"

#include <atomic>
#include <cstdint>
#include <string>

// Shared with the scroller thread: 0 lets it run, 1 tells it to end after
// the frame it is showing. The caller sets 0 before every RunInfoBox.
extern std::atomic<int32_t> ScrollStopFlag;

// Opens the info box and waits in its own event loop until "Ok" or a close
// request for any window dismisses it; every other event is dropped. Releases
// all it made but the caption image and the screen. Returns 0.
int RunInfoBox(int windowNo, int captionImageNo, const std::string& title, const std::string& text, int fontNo,
               const std::string& buttonText, Colour windowColour, Colour textColour, Colour screenColour);

// The scroller thread: one frame, then a pause of frameDelayMs, until
// ScrollStopFlag is 1 after the pause; so at least one frame is shown. Returns 0.
int ScrollerThread(int frameDelayMs);

// Shows the text sprite one row above `row`, or back at the start row once it
// has left the top, and flips; returns the row shown.
int ScrollFrame(int row);
