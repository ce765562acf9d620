#include "platform/registry.h"
#include "resources/resources.h"

#include <QApplication>
#include <QIcon>

#include <chrono>
#include <cstring>
#include <thread>

// Defined with the screen: readies and releases the sprite and screen service.
int PrepareScreenService();
void ReleaseScreenService();

namespace {

// The program icon is a 24 × 24 icon file with one 32-bit image: BGRA rows
// bottom-up after a 40-byte header, then the 1-bit mask.
QIcon* MakeAppIcon()
{
    const unsigned char* file = AppIconFile;
    if (AppIconFileSize < 22 + 40)
        return nullptr;
    uint32_t offset = 0;
    std::memcpy(&offset, file + 18, 4);
    constexpr int Side = 24;
    if (offset + 40 + Side * Side * 4 > AppIconFileSize)
        return nullptr;
    const unsigned char* colour = file + offset + 40;
    QImage picture(Side, Side, QImage::Format_ARGB32);
    for (int y = 0; y < Side; ++y) {
        const unsigned char* row = colour + (Side - 1 - y) * Side * 4;
        for (int x = 0; x < Side; ++x)
            picture.setPixel(x, y, qRgba(row[x * 4 + 2], row[x * 4 + 1], row[x * 4], row[x * 4 + 3]));
    }
    return new QIcon(QPixmap::fromImage(picture));
}

} // namespace

void InitImages()
{
    EnsureToolkit();
}

void InitFonts()
{
    EnsureToolkit();
}

void InitEvents()
{
    EnsureToolkit();
}

void InitWindows()
{
    EnsureToolkit();
    if (!Registry.appIcon)
        Registry.appIcon = MakeAppIcon();
}

void InitControls()
{
    EnsureToolkit();
}

void InitBmpDecoder()
{
    EnsureToolkit();
}

void InitJpegDecoder()
{
    Registry.jpegReady = true;
}

void InitThreads() {}

void InitColouring()
{
    EnsureToolkit();
}

int InitScreen()
{
    EnsureToolkit();
    return PrepareScreenService();
}

int InitPlatformServices()
{
    InitImages();
    InitFonts();
    InitEvents();
    InitWindows();
    InitControls();
    InitBmpDecoder();
    InitThreads();
    InitColouring();
    return InitScreen();
}

void ReleasePlatform()
{
    if (!Registry.app)
        return;
    if (Registry.drawing.target)
        StopDrawing();
    ReleaseScreenService();
    while (!Registry.windows.empty())
        CloseWindow(Registry.windows.begin()->first);
    Registry.iconSets.clear();
    Registry.brushes.clear();
    Registry.fonts.clear();
    Registry.images.clear();
    Registry.events.clear();
    delete Registry.appIcon;
    Registry.appIcon = nullptr;
    delete Registry.app;
    Registry.app = nullptr;
}

// A plain sleep: the system timer is precise to the millisecond here.
void Pause(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
