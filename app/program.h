// The program's life: start-up, the main event loop and shutdown.
#pragma once

// Font numbers of the info box's caption and scrolling text.
constexpr int CaptionFont = 23;
constexpr int BodyFont = 24;

// Called after each start-up step with the step's name; for measuring.
using StartUpProbe = void (*)(const char* step);

// Readies the platform, the texts, fonts, date settings, background picture
// and rank table, builds the main window hidden and shows it 200 ms later.
void StartUp(StartUpProbe probe = nullptr);

// Handles events until the main window is asked to close, then closes it.
// Returns at once if the main window could not be opened.
void RunMainLoop();

// Acts on one event of the main loop; false once the main window has closed.
bool HandleMainEvent(int event);

// Releases the platform services.
void ShutDown();
