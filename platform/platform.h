// The platform layer: numbered windows, controls, images, fonts, sprites and
// the windowed screen, one event queue, 2D drawing, threads and the control
// colouring, as plain procedures over small object numbers.
//
// Backend: Qt 6 Widgets, with libjpeg for JPEG pictures. Nothing of Qt leaks
// through this header, so the system's own code stays plain C++.
// Limits: one screen per process; one drawing target at a time; every
// procedure is for the GUI thread except the screen and sprite drawing ones
// marked "any thread".
// Failure: nothing throws or logs. A procedure that cannot do its work leaves
// the object missing and returns 0 (or an empty value); later calls on a
// missing object do nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Colours are 0x00BBGGRR: red in the low byte.
using Colour = uint32_t;

// ---------------------------------------------------------------- services

// Makes the images and 2D drawing ready (also starts the GUI toolkit).
void InitImages();
// Makes font loading ready.
void InitFonts();
// Makes the event queue ready.
void InitEvents();
// Makes windows ready; every window gets the program icon and the arrow cursor.
void InitWindows();
// Makes the controls ready.
void InitControls();
// Makes BMP decoding ready.
void InitBmpDecoder();
// Makes JPEG decoding ready; a second call does nothing.
void InitJpegDecoder();
// Makes threads ready.
void InitThreads();
// Makes the control-colouring component ready.
void InitColouring();
// Makes sprites and the windowed screen ready; 0 when there is no display for it.
int InitScreen();
// Makes every service above but JPEG decoding ready, in that order; returns InitScreen's result.
int InitPlatformServices();
// Releases every service: colouring, screen, windows, fonts, images, in that order.
void ReleasePlatform();

// ----------------------------------------------------------------- windows

enum WindowFlag : int {
    WindowCentred = 1,     // centred on the primary screen by its outer rectangle
    WindowHidden = 2,      // created hidden; ShowWindow shows it
    WindowTitleBar = 4,    // a title bar (implied by every window)
    WindowMenu = 8,        // window menu and close box
    WindowMinimiseBox = 16 // a minimise box; a maximise box is never offered
};

// Opens window `number` with the given client size; its size never changes. Returns 1, or 0 on failure.
int OpenWindow(int number, int x, int y, int clientWidth, int clientHeight, const std::string& title, int flags);
// Closes window `number` with its controls and screen area.
void CloseWindow(int number);
// Shows a hidden window in its normal state and activates it.
void ShowWindow(int number);
// 1 while window `number` is open.
int IsWindowOpen(int number);
// 1 while window `number` is visible on the desktop.
int IsWindowVisible(int number);
// Where a window of outer size w × h goes on a screen of sw × sh to be centred (cut to the screen first).
void CentreOnScreen(int screenWidth, int screenHeight, int outerWidth, int outerHeight, int* x, int* y);

// Makes a brush of one colour; returns its handle, never 0.
int MakeColourBrush(Colour colour);
// Makes a brush that tiles image `image` from the top-left corner; returns its handle or 0.
int MakeImageBrush(int image);
// Frees a brush.
void FreeBrush(int brush);
// Paints window `number`'s background with `brush` from now on and repaints it at once.
void SetWindowBrush(int number, int brush);
// Number of brushes alive.
int CountBrushes();

// ---------------------------------------------------------------- controls
// Controls belong to the window opened last; their numbers are one space for all windows.

// Creates a plain text label.
void CreateTextLabel(int number, int x, int y, int width, int height, const std::string& text);
enum ControlColourAttribute : int { ControlTextColour = 1, ControlBackColour = 2 };
// Sets a label's text or background colour.
void SetControlColour(int number, int attribute, Colour colour);
// Creates a drop-down list: choose only, no typing, no sorting. `height` includes the opened list.
void CreateComboBox(int number, int x, int y, int width, int height);
// Creates a single-line text field with a sunken border.
void CreateStringField(int number, int x, int y, int width, int height, const std::string& text);
// Creates a date picker showing `mask` ("%dd.%mm.%yyyy") and holding `value`, seconds since 1970 of wall-clock fields.
void CreateDatePicker(int number, int x, int y, int width, int height, const std::string& mask, int32_t value);
// Creates a report-style list view with its first column.
void CreateListView(int number, int x, int y, int width, int height, const std::string& title0, int width0);
// Creates a push button.
void CreateButton(int number, int x, int y, int width, int height, const std::string& text);
// Creates an image view showing image `image` at its natural size (the view resizes itself to it).
void CreateImageView(int number, int x, int y, int width, int height, int image);
// Frees control `number`.
void FreeControl(int number);
// 1 while control `number` exists.
int IsControl(int number);
// Gives a control the name a screen reader announces.
void SetAccessibleName(int number, const std::string& name);
// Makes label `label` the caption a screen reader reads for control `control`.
void SetLabelFor(int label, int control);

// The whole text of a field, label or button; the selected item's text of a combo box.
std::string ControlText(int number);
// Replaces the text of a field, label or button.
void SetControlText(int number, const std::string& text);

// Inserts an item into a drop-down list at `position` (beyond the end appends).
void InsertComboItem(int number, int position, const std::string& text);
// Selects the first item whose whole text equals `text`; returns its index or -1.
int SelectComboItemByText(int number, const std::string& text);
// Index of the selected item, or -1.
int SelectedComboItem(int number);
// Selects item `index`.
void SelectComboItem(int number, int index);
// Number of items.
int CountComboItems(int number);
// Text of item `index`.
std::string ComboItemText(int number, int index);

// The picker's value: seconds since 1970-01-01 00:00 of the wall-clock fields it shows.
int32_t DatePickerValue(int number);
// Sets the picker's value, kept within 1970-01-01 00:00 .. 2038-01-19 03:14.
void SetDatePickerValue(int number, int32_t value);

// Adds column `index` to a list view.
void AddListColumn(int number, int index, const std::string& title, int width);
// Number of columns, their titles and widths.
int CountListColumns(int number);
std::string ListColumnTitle(int number, int column);
int ListColumnWidth(int number, int column);
// Inserts row `row` (beyond the end appends) with `text` in column 0 and icon `icon`; returns the row or -1.
int InsertListRow(int number, int row, const std::string& text, int icon);
// Sets the text of column `column` of row `row`.
void SetListText(int number, int row, int column, const std::string& text);
// Removes every row; the columns and the icon set stay, the colouring goes.
void ClearList(int number);
// Number of rows.
int CountListRows(int number);
// Text of one cell.
std::string ListText(int number, int row, int column);
// Icon index of a row.
int ListRowIcon(int number, int row);

// ---------------------------------------------------------------- icon sets

// Creates an empty set of icons of w × h at `depth` bits; returns its handle, never 0.
int CreateIconSet(int width, int height, int depth, int capacity, int growth);
// Frees an icon set.
void FreeIconSet(int set);
// Appends image `image` to the set; returns the new icon's index or -1.
int AddIconToSet(int set, int image);
// Number of icons in a set.
int CountIconsInSet(int set);
// Installs a set as a list view's small icons; returns the set it replaces, or 0.
int InstallIconSet(int list, int set);
// Number of icon sets alive.
int CountIconSets();
// Colour of pixel (x, y) of icon `index` of a set.
Colour IconPixel(int set, int index, int x, int y);

// ---------------------------------------------------------------- colouring

// Paints a push button's caption in `text` on a face of `face`.
void ColourButton(int control, Colour text, Colour face);
// Colours a list view: text, empty area and even rows in `back`, odd rows in `alternate` (mode 2).
void ColourList(int control, Colour text, Colour back, Colour alternate, int mode);

// ------------------------------------------------------------------ events

constexpr int ControlEvent = 13100; // a control reports an action
constexpr int CloseRequest = 16;    // the user asks to close a window

// Waits for the next event and returns its kind; windows keep painting and taking input meanwhile.
int WaitEvent();
// Control number of the last event.
int EventControl();
// Type of the last control event (1 for a click).
int EventType();
// Window number of the last event.
int EventWindow();
// Puts an event at the end of the queue, as if the user had caused it.
void PostEvent(int kind, int window, int control);
// Events waiting in the queue.
int CountPendingEvents();

// ------------------------------------------------------------------ images

// Decodes a BMP ("BM") or JPEG file held in memory into image `number`; returns 1, or 0 when it cannot.
int DecodeImage(int number, const unsigned char* data, std::size_t size);
// Creates image `number` of w × h at `depth` bits, filled black; returns 1 or 0.
int CreateImage(int number, int width, int height, int depth);
// Frees image `number`.
void FreeImage(int number);
// 1 while image `number` exists.
int IsImage(int number);
int ImageWidth(int number);
int ImageHeight(int number);
// Colour of pixel (x, y), or 0 outside.
Colour ImagePixel(int number, int x, int y);
// Number of images alive.
int CountImages();

// ------------------------------------------------------------------- fonts

// Loads font `number` of `face` at `points` (character height = points × vertical DPI / 72); returns 1 or 0.
int LoadFont(int number, const std::string& face, int points);
// Frees font `number`.
void FreeFont(int number);
// Character height of font `number` in pixels, or 0.
int FontPixelHeight(int number);

// ----------------------------------------------------------------- drawing
// One drawing target for the whole process, between Start… and StopDrawing.

// Starts drawing on image `number`; returns 1 or 0.
int StartDrawingOnImage(int number);
// Starts drawing on sprite `number`; returns 1 or 0.
int StartDrawingOnSprite(int number);
// Stops drawing and keeps what was drawn.
void StopDrawing();
// Selects the font for text drawing and measuring.
void SelectFont(int number);
// Fills a box.
void FillBox(int x, int y, int width, int height, Colour colour);
// Text leaves the background around its glyphs untouched from now on.
void UseTransparentText();
// Sets the colour of text.
void SetFrontColour(Colour colour);
// Width in pixels of `text` in the selected font; 0 for the empty text.
int TextWidth(const std::string& text);
// Draws `text` with its top-left corner at (x, y).
void DrawText(int x, int y, const std::string& text);

// ------------------------------------------------------------------- pause

// Sleeps `ms` milliseconds, to the millisecond.
void Pause(int ms);

// --------------------------------------------------------- screen, sprites

// Opens the windowed screen inside window `window` at (x, y), w × h; closes any open screen first. Returns 1 or 0.
int OpenScreen(int window, int x, int y, int width, int height);
// Closes the screen.
void CloseScreen();
// 1 while a screen is open.
int IsScreenOpen();
// Clears the back buffer to `colour`. Any thread.
void ClearScreen(Colour colour);
// Copies sprite `number` opaquely to (x, y) of the back buffer, clipped. Any thread.
void DisplaySprite(int number, int x, int y);
// Presents the back buffer at the next display refresh; never waits for the GUI thread. Any thread.
void FlipScreen();
// Number of flips since the screen opened. Any thread.
int CountFlips();
// Colour of pixel (x, y) of the last presented picture.
Colour ScreenPixel(int x, int y);
// Gives the screen's area the name and description a screen reader announces.
void SetScreenAccessibleName(const std::string& name, const std::string& description);

// Creates sprite `number` of w × h, filled black; needs an open screen. Returns 1 or 0.
int CreateSprite(int number, int width, int height);
// Frees sprite `number`.
void FreeSprite(int number);
// 1 while sprite `number` exists.
int IsSprite(int number);
// Sprite height, or 0. Any thread.
int SpriteHeight(int number);
// Sprite width, or 0. Any thread.
int SpriteWidth(int number);
// Colour of pixel (x, y) of a sprite.
Colour SpritePixel(int number, int x, int y);
// Number of sprites alive.
int CountSprites();

// ----------------------------------------------------------------- threads

using ThreadProcedure = int (*)(int parameter);
// Starts `procedure(parameter)` on a new thread; returns its handle, or 0.
int StartThread(ThreadProcedure procedure, int parameter);
// Waits until the thread has ended and forgets it.
void WaitThread(int handle);
// Number of threads started and not yet waited for.
int CountThreads();
