// Stelvane Ranks: the rank schedule of the game, in one window.
#include "app/program.h"

int main()
{
    // Start up: platform, texts, fonts, dates, picture, ranks, the main window shown.
    StartUp();
    // Handle clicks until the main window is asked to close.
    RunMainLoop();
    // Release the platform services; the process always ends with code 0.
    ShutDown();
    return 0;
}
