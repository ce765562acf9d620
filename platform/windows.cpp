#include "platform/registry.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TopWindow::TopWindow(int number, Qt::WindowFlags flags) : QWidget(nullptr, flags), number(number)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

// The window stays open: the program decides what a close request means.
void TopWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Registry.events.push_back({CloseRequest, number, -1, 0});
}

// The background brush is tiled from the client area's top-left corner.
void TopWindow::paintEvent(QPaintEvent*)
{
    const auto found = Registry.brushes.find(brush);
    if (found == Registry.brushes.end())
        return;
    QPainter painter(this);
    painter.setBrushOrigin(0, 0);
    painter.fillRect(rect(), found->second);
}

namespace {

void Centre(TopWindow* window);

} // namespace

// The desktop decorates a window only after it is shown, and tells its frame
// later still; the first move after that is when the frame can be counted.
void TopWindow::moveEvent(QMoveEvent*)
{
    CentreWithFrame();
}

void TopWindow::CentreWithFrame()
{
    if (!centred || framed || frameGeometry().size() == size())
        return;
    framed = true;
    Centre(this);
}

namespace {

TopWindow* FindWindow(int number)
{
    const auto found = Registry.windows.find(number);
    return found == Registry.windows.end() ? nullptr : found->second.data();
}

Qt::WindowFlags QtFlags(int flags)
{
    Qt::WindowFlags qt = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (flags & WindowMenu)
        qt |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (flags & WindowMinimiseBox)
        qt |= Qt::WindowMinimizeButtonHint;
    return qt;
}

// Centres by the outer rectangle; the frame is only known once the desktop
// has decorated the window, so this runs again when the window is shown.
void Centre(TopWindow* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    int x = 0, y = 0;
    CentreOnScreen(area.width(), area.height(), outer.width(), outer.height(), &x, &y);
    window->move(area.x() + x, area.y() + y);
}

} // namespace

void CentreOnScreen(int screenWidth, int screenHeight, int outerWidth, int outerHeight, int* x, int* y)
{
    if (outerWidth > screenWidth)
        outerWidth = screenWidth;
    if (outerHeight > screenHeight)
        outerHeight = screenHeight;
    *x = (screenWidth - outerWidth) / 2;
    *y = (screenHeight - outerHeight) / 2;
}

int OpenWindow(int number, int x, int y, int clientWidth, int clientHeight, const std::string& title, int flags)
{
    EnsureToolkit();
    CloseWindow(number);
    if (clientWidth <= 0 || clientHeight <= 0)
        return 0;
    auto* window = new TopWindow(number, QtFlags(flags));
    window->setWindowTitle(ToQString(title));
    window->setFixedSize(clientWidth, clientHeight);
    if (Registry.appIcon)
        window->setWindowIcon(*Registry.appIcon);
    window->setCursor(Qt::ArrowCursor);
    window->move(x, y);
    window->centred = flags & WindowCentred;
    if (window->centred)
        Centre(window);
    Registry.windows[number] = window;
    Registry.currentWindow = number;
    if (!(flags & WindowHidden))
        ShowWindow(number);
    return 1;
}

void CloseWindow(int number)
{
    TopWindow* window = FindWindow(number);
    Registry.windows.erase(number);
    if (!window)
        return;
    DetachScreenFromWindow(number);
    for (auto it = Registry.controls.begin(); it != Registry.controls.end();)
        it = it->second.window == number ? Registry.controls.erase(it) : std::next(it);
    delete window;
    if (Registry.currentWindow == number)
        Registry.currentWindow = Registry.windows.empty() ? -1 : Registry.windows.rbegin()->first;
}

void ShowWindow(int number)
{
    TopWindow* window = FindWindow(number);
    if (!window)
        return;
    window->showNormal();
    window->raise();
    window->activateWindow();
    window->CentreWithFrame();
}

int IsWindowOpen(int number)
{
    return FindWindow(number) ? 1 : 0;
}

int IsWindowVisible(int number)
{
    const TopWindow* window = FindWindow(number);
    return window && window->isVisible() ? 1 : 0;
}

int MakeColourBrush(Colour colour)
{
    const int handle = Registry.nextBrush++;
    Registry.brushes[handle] = QBrush(ToQColor(colour));
    return handle;
}

int MakeImageBrush(int image)
{
    const auto found = Registry.images.find(image);
    if (found == Registry.images.end())
        return 0;
    const int handle = Registry.nextBrush++;
    // The brush shares the image's pixels rather than copying them.
    Registry.brushes[handle] = QBrush(found->second);
    return handle;
}

void FreeBrush(int brush)
{
    Registry.brushes.erase(brush);
}

void SetWindowBrush(int number, int brush)
{
    TopWindow* window = FindWindow(number);
    if (!window)
        return;
    window->brush = brush;
    window->update();
}

int CountBrushes()
{
    return static_cast<int>(Registry.brushes.size());
}
