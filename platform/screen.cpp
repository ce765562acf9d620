// The windowed screen and its sprites. Any thread may clear the back buffer,
// display sprites on it and flip it; only the GUI thread touches widgets.
// A flip copies the back buffer into the presented picture under the lock and
// posts one repaint at a time to the view, which paints that picture under
// the same lock, so a repaint never shows half a frame and a flip never waits
// for the GUI thread. Flips are paced to the display's refresh slots on the
// steady clock, as a present that waits for the vertical blank would be.
#include "platform/registry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

constexpr double DefaultRefreshHz = 60.0;

// The event a flip posts so that the view repaints on the GUI thread.
QEvent::Type RepaintEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

// Nanoseconds on the steady clock.
int64_t SteadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Colour of pixel (x, y) of `image`, or 0 outside it.
Colour PixelAt(const QImage& image, int x, int y)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return 0;
    return FromQColor(QColor(image.pixel(x, y)));
}

// Ends drawing on sprite `number` (or on any sprite for -1) before it changes.
void StopDrawingOnSprite(int number)
{
    if (Registry.drawing.onSprite && (number < 0 || Registry.drawing.sprite == number))
        StopDrawing();
}

} // namespace

// A plain child widget; what it shows lives in the registry.
ScreenView::ScreenView(QWidget* parent) : QWidget(parent)
{
    // Every pixel comes from the presented picture; nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

// Under the lock a flip can never be half copied into what is painted.
void ScreenView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    std::lock_guard<std::mutex> guard(Registry.screen.lock);
    painter.drawImage(0, 0, Registry.screen.front);
}

// The repaint a flip posted. Cleared before the update, so a flip that lands
// meanwhile posts the next one rather than being lost.
bool ScreenView::event(QEvent* event)
{
    if (event->type() != RepaintEventType())
        return QWidget::event(event);
    Registry.screen.repaintQueued = false;
    update();
    return true;
}

// Without a display there is nothing to present on; OpenScreen then refuses.
int PrepareScreenService()
{
    const bool display = QGuiApplication::primaryScreen() != nullptr;
    std::lock_guard<std::mutex> guard(Registry.screen.lock);
    Registry.screen.ready = display;
    return display ? 1 : 0;
}

// Run at shutdown, when no scroller is left.
void ReleaseScreenService()
{
    StopDrawingOnSprite(-1);
    CloseScreen();
    std::lock_guard<std::mutex> guard(Registry.screen.lock);
    Registry.sprites.clear();
    Registry.screen.ready = false;
}

// The refresh rate is read here, on the GUI thread, for the flips of any thread.
int OpenScreen(int window, int x, int y, int width, int height)
{
    CloseScreen();
    auto& s = Registry.screen;
    const auto found = Registry.windows.find(window);
    TopWindow* top = found == Registry.windows.end() ? nullptr : found->second.data();
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (!s.ready || !top || width <= 0 || height <= 0)
            return 0;
    }
    QImage back(width, height, QImage::Format_RGB32);
    if (back.isNull())
        return 0;
    back.fill(ToQColor(0).rgb());
    QImage front = back.copy();
    const QScreen* display = top->screen();
    double hz = display ? display->refreshRate() : DefaultRefreshHz;
    if (!(hz >= 1.0 && hz <= 1000.0))
        hz = DefaultRefreshHz;
    RepaintEventType(); // registered here, on the GUI thread, before any flip
    auto* view = new ScreenView(top);
    view->setGeometry(x, y, width, height);
    {
        std::lock_guard<std::mutex> guard(s.lock);
        s.open = true;
        s.window = window;
        s.back.swap(back);
        s.front.swap(front);
        s.view = view;
        s.refreshNs = static_cast<int64_t>(1e9 / hz + 0.5);
        s.nextFlipNs = 0; // the display's refresh grid does not start with the screen
        s.flips = 0;
        s.repaintQueued = false;
    }
    view->show();
    return 1;
}

// The buffers go now; sprites stay, since they belong to the service.
void CloseScreen()
{
    auto& s = Registry.screen;
    ScreenView* view = nullptr;
    QImage back, front;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (!s.open)
            return;
        view = s.view.data();
        s.view = nullptr;
        s.open = false;
        s.window = -1;
        s.back.swap(back);
        s.front.swap(front);
        s.repaintQueued = false;
    }
    delete view;
}

// Open until closed or replaced, even after its window has gone.
int IsScreenOpen()
{
    std::lock_guard<std::mutex> guard(Registry.screen.lock);
    return Registry.screen.open ? 1 : 0;
}

// The window is about to go and takes the view with it; the buffers stay.
void DetachScreenFromWindow(int window)
{
    auto& s = Registry.screen;
    std::lock_guard<std::mutex> guard(s.lock);
    if (s.window == window)
        s.view = nullptr;
}

// Lost with the view; the caller names each new screen.
void SetScreenAccessibleName(const std::string& name, const std::string& description)
{
    ScreenView* view = nullptr;
    {
        std::lock_guard<std::mutex> guard(Registry.screen.lock);
        view = Registry.screen.view.data();
    }
    if (!view)
        return;
    view->setAccessibleName(ToQString(name));
    view->setAccessibleDescription(ToQString(description));
}

// Only the back buffer: the picture changes at the next flip.
void ClearScreen(Colour colour)
{
    auto& s = Registry.screen;
    std::lock_guard<std::mutex> guard(s.lock);
    if (s.open)
        s.back.fill(ToQColor(colour).rgb());
}

// Plain row copies: opaque, clipped, and no painter on the scroller's thread.
void DisplaySprite(int number, int x, int y)
{
    auto& s = Registry.screen;
    std::lock_guard<std::mutex> guard(s.lock);
    const auto found = Registry.sprites.find(number);
    if (!s.open || found == Registry.sprites.end())
        return;
    const QImage& sprite = found->second;
    const int64_t fromX = x < 0 ? -int64_t(x) : 0;
    const int64_t fromY = y < 0 ? -int64_t(y) : 0;
    const int64_t toX = x < 0 ? 0 : x;
    const int64_t toY = y < 0 ? 0 : y;
    const int64_t width = std::min<int64_t>(sprite.width() - fromX, s.back.width() - toX);
    const int64_t height = std::min<int64_t>(sprite.height() - fromY, s.back.height() - toY);
    if (width <= 0 || height <= 0)
        return;
    uchar* target = s.back.bits();
    const qsizetype targetStride = s.back.bytesPerLine();
    for (int64_t row = 0; row < height; ++row)
        std::memcpy(target + (toY + row) * targetStride + toX * 4, sprite.constScanLine(int(fromY + row)) + fromX * 4,
                    std::size_t(width) * 4);
}

// Sleeps outside the lock, so painting and other threads go on meanwhile.
void FlipScreen()
{
    auto& s = Registry.screen;
    int64_t slot = 0;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (!s.open)
            return;
        // The first refresh boundary at or after now, on a grid of whole
        // intervals of the steady clock; a second flip in the same slot takes
        // the next one.
        const int64_t now = SteadyNs();
        slot = s.nextFlipNs;
        if (slot < now)
            slot += (now - slot + s.refreshNs - 1) / s.refreshNs * s.refreshNs;
        s.nextFlipNs = slot + s.refreshNs;
    }
    std::this_thread::sleep_until(std::chrono::steady_clock::time_point(std::chrono::nanoseconds(slot)));
    std::lock_guard<std::mutex> guard(s.lock);
    if (!s.open)
        return;
    if (s.front.size() == s.back.size())
        std::memcpy(s.front.bits(), s.back.constBits(), std::size_t(s.back.sizeInBytes()));
    else
        s.front = s.back.copy();
    ++s.flips;
    // Posted under the lock: the view cannot be deleted before the post lands,
    // and a deleted view's pending events are dropped by the toolkit.
    if (s.view && !s.repaintQueued.exchange(true))
        QCoreApplication::postEvent(s.view.data(), new QEvent(RepaintEventType()));
}

// Atomic, for watchers on any thread.
int CountFlips()
{
    return Registry.screen.flips.load();
}

// What a repaint would show now.
Colour ScreenPixel(int x, int y)
{
    std::lock_guard<std::mutex> guard(Registry.screen.lock);
    return PixelAt(Registry.screen.front, x, y);
}

// The old sprite of that number goes first, even when the new one cannot be made.
int CreateSprite(int number, int width, int height)
{
    StopDrawingOnSprite(number);
    auto& s = Registry.screen;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        Registry.sprites.erase(number);
        if (!s.open || width <= 0 || height <= 0)
            return 0;
    }
    // Made outside the lock so that a large sprite does not stall the scroller.
    QImage sprite(width, height, QImage::Format_RGB32);
    if (sprite.isNull())
        return 0;
    sprite.fill(ToQColor(0).rgb());
    std::lock_guard<std::mutex> guard(s.lock);
    if (!s.open)
        return 0;
    Registry.sprites[number].swap(sprite);
    return 1;
}

// The pixels are released after the lock.
void FreeSprite(int number)
{
    StopDrawingOnSprite(number);
    QImage gone;
    std::lock_guard<std::mutex> guard(Registry.screen.lock);
    const auto found = Registry.sprites.find(number);
    if (found == Registry.sprites.end())
        return;
    gone.swap(found->second);
    Registry.sprites.erase(found);
}

// Under the lock, like every read of the sprites.
int IsSprite(int number)
{
    std::lock_guard<std::mutex> guard(Registry.screen.lock);
    return Registry.sprites.count(number) ? 1 : 0;
}

// The scroller reads this every frame.
int SpriteHeight(int number)
{
    std::lock_guard<std::mutex> guard(Registry.screen.lock);
    const auto found = Registry.sprites.find(number);
    return found == Registry.sprites.end() ? 0 : found->second.height();
}

// Under the lock, like every read of the sprites.
int SpriteWidth(int number)
{
    std::lock_guard<std::mutex> guard(Registry.screen.lock);
    const auto found = Registry.sprites.find(number);
    return found == Registry.sprites.end() ? 0 : found->second.width();
}

// Under the lock, like every read of the sprites.
Colour SpritePixel(int number, int x, int y)
{
    std::lock_guard<std::mutex> guard(Registry.screen.lock);
    const auto found = Registry.sprites.find(number);
    return found == Registry.sprites.end() ? 0 : PixelAt(found->second, x, y);
}

// For leak checks.
int CountSprites()
{
    std::lock_guard<std::mutex> guard(Registry.screen.lock);
    return static_cast<int>(Registry.sprites.size());
}
