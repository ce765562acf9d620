// Inside the platform layer only: every numbered object of the process in one
// registry, nested by kind, plus the Qt classes the procedures stand on.
#pragma once

#include "platform/platform.h"

#include <QBrush>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QApplication;
class QTreeWidget;

// A top-level window: turns every close (close box, window menu, Alt+F4)
// into a CloseRequest and stays open until the program closes it.
class TopWindow : public QWidget {
public:
    TopWindow(int number, Qt::WindowFlags flags);
    int number;
    int brush = 0;         // background brush handle, 0 for the toolkit's own
    bool centred = false;  // centred by the outer rectangle
    bool framed = false;   // re-centred once the desktop's frame was known
    // Centres the window again if its frame has become known since.
    void CentreWithFrame();
protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
};

// The child area the windowed screen presents into.
class ScreenView : public QWidget {
public:
    explicit ScreenView(QWidget* parent);
protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

enum class ControlKind { Label, Combo, Field, DatePicker, List, Button, ImageView };

// Where each kind of control keeps its own state beside its widget.
struct ControlRecord {
    ControlKind kind;
    QPointer<QWidget> widget;
    int window;     // number of the window it was created in
    int iconSet;    // list views: the installed small-icon set, 0 for none
    bool cellNoticePending = false; // list views: a change notice for the cells is queued
};

// An icon set: 20 × 20 pictures appended in order.
struct IconSetRecord {
    int width, height;
    std::vector<QIcon> icons; // shared by every row that shows them
};

// One event of the queue.
struct EventRecord {
    int kind;    // ControlEvent or CloseRequest
    int window;  // the window it belongs to
    int control; // the control that reported it, -1 for a close request
    int type;    // what the control did: 1 a click or a choice, 3 an edit of its text or value
};

// The windowed screen: a back buffer drawn by any thread and a presented
// picture that the GUI thread paints; both behind one lock with the sprites.
struct ScreenState {
    std::mutex lock;                   // guards everything below and the sprites
    bool ready = false;                // the service found a display; OpenScreen needs it
    bool open = false;
    int window = -1;                   // window the screen lives in
    QImage back;                       // what the next flip presents
    QImage front;                      // what was presented last
    QPointer<ScreenView> view;         // the child area; goes with its window
    int64_t refreshNs = 16'666'667;    // display refresh interval
    int64_t nextFlipNs = 0;            // steady-clock time of the next refresh slot
    std::atomic<int> flips{0};         // flips since the screen opened
    std::atomic<bool> repaintQueued{false}; // one queued repaint at a time
};

struct PlatformRegistry {
    QApplication* app = nullptr;          // the toolkit; made by the first Init call
    std::map<int, QPointer<TopWindow>> windows; // open windows by number
    int currentWindow = -1;               // controls go into this window
    std::map<int, ControlRecord> controls; // controls by number, one space for all windows
    std::map<int, IconSetRecord> iconSets; // icon sets by handle
    int nextIconSet = 1;
    std::map<int, QBrush> brushes;        // brushes by handle
    int nextBrush = 1;
    std::map<int, QImage> images;         // images by number
    std::map<int, QFont> fonts;           // fonts by number
    std::map<int, QImage> sprites;        // sprites by number; under screen.lock
    ScreenState screen;
    std::deque<EventRecord> events;       // the one event queue
    EventRecord lastEvent{0, -1, -1, 0};  // the event WaitEvent returned last
    struct {
        std::unique_ptr<QPainter> painter; // the current target's painter
        QImage* target = nullptr;          // the image, or the canvas of a sprite, being drawn on
        bool onSprite = false;             // drawing on a sprite
        int sprite = 0;                    // which sprite, while onSprite
        QImage canvas;                     // that sprite's private copy; StopDrawing puts it back under screen.lock
        QFont font;                        // the selected font
        bool transparent = false;          // text background left untouched
        Colour front = 0;                  // text colour
    } drawing;
    std::map<int, std::thread> threads;   // threads by handle
    int nextThread = 1;
    bool jpegReady = false;               // InitJpegDecoder ran
    QIcon* appIcon = nullptr;             // the program icon of every window
};

extern PlatformRegistry Registry;

// Makes the toolkit if no Init call has made it yet.
void EnsureToolkit();
// The toolkit's string of a UTF-8 text.
QString ToQString(const std::string& text);
// The Qt colour of a 0x00BBGGRR value.
QColor ToQColor(Colour colour);
// The 0x00BBGGRR value of a Qt colour.
Colour FromQColor(const QColor& colour);
// The widget of a control, or nullptr.
QWidget* ControlWidget(int number);
// The list widget of a list-view control, or nullptr.
QTreeWidget* ListWidget(int number);
// Re-reads the installed icon set of a list view into its rows' pictures.
void RefreshListIcons(int list);
// Queues a control event from a widget of window `window`.
void QueueControlEvent(int window, int control, int type);
// Puts a new control of type `Widget` into the current window under
// `number`, replacing any control that held the number; nullptr without a window.
template <typename Widget>
Widget* AddControl(int number, ControlKind kind, int x, int y, int width, int height)
{
    FreeControl(number);
    const auto window = Registry.windows.find(Registry.currentWindow);
    if (window == Registry.windows.end() || !window->second)
        return nullptr;
    auto* widget = new Widget(window->second.data());
    widget->setGeometry(x, y, width, height);
    widget->show();
    Registry.controls[number] = {kind, widget, Registry.currentWindow, 0};
    return widget;
}

// Forgets the screen's view when its window goes.
void DetachScreenFromWindow(int window);

// Makes the cell painter of a new list view (selection in column 0 only, and
// only while the list has the focus; row colours once ColourList applies).
void InstallListPainter(QTreeWidget* list);
// Removes a list's colouring: it returns to the system colours.
void RemoveListColouring(QTreeWidget* list);
// The role under which a list row keeps its icon index.
constexpr int IconIndexRole = Qt::UserRole + 1;
