// The info box in-process on the offscreen platform: the rendered caption and
// text sprite against references drawn by hand, the scroller's frames on the
// screen, and the box's own loop with its dismissal and clean-up.
#include "app/about_text.h"
#include "info/info_box.h"
#include "info/text_image.h"
#include "info/text_layout.h"
#include "platform/platform.h"
#include "platform/registry.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// The screen service's own pair, as start-up and shutdown call them.
int PrepareScreenService();
void ReleaseScreenService();

namespace {

constexpr int InfoWindow = 20;
constexpr int InfoOkButton = 25;
constexpr int CaptionView = 26;
constexpr int ScrollTextSprite = 30;
constexpr int ScratchWindow = 41;
constexpr int ReferenceImage = 27;
constexpr int ReferenceSprite = 31;
constexpr Colour Black = 0x000000, White = 0xFFFFFF;
constexpr Colour Red = 0x0000FF, Blue = 0xFF0000, Green = 0x00FF00;

// Fonts and text as start-up leaves them; the test main loads no font.
void LoadSystemFonts()
{
    LoadFont(23, "Arial", 20);
    LoadFont(24, "Arial", 12);
    SetAboutText();
}

// Width of `text` in font `font`, as the renderers measure it.
int MeasureIn(int font, const std::string& text)
{
    SelectFont(font);
    return TextWidth(text);
}

// Drops whatever events earlier tests left queued.
void DrainEvents()
{
    while (CountPendingEvents() > 0)
        WaitEvent();
}

// Number of pixels that differ between image `a` and image `b`, both w × h.
int DifferingImagePixels(int a, int b, int width, int height)
{
    int differing = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            differing += ImagePixel(a, x, y) != ImagePixel(b, x, y);
    return differing;
}

// A scratch window with an open screen, for the renderers and the scroller.
class ScreenFixture : public testing::Test {
protected:
    static void SetUpTestSuite() { LoadSystemFonts(); }
    void SetUp() override
    {
        ASSERT_EQ(OpenWindow(ScratchWindow, 0, 0, 340, 300, "scratch", WindowHidden), 1);
        ASSERT_EQ(OpenScreen(ScratchWindow, 10, 80, 320, 200), 1);
        ScrollStopFlag = 0;
    }
    void TearDown() override
    {
        CloseWindow(ScratchWindow);
        CloseScreen();
        FreeSprite(ScrollTextSprite);
        FreeSprite(ReferenceSprite);
        FreeImage(ReferenceImage);
    }
};

// ------------------------------------------------------------------ caption

struct CaptionRow {
    const char* name;
    int width, height;
    std::string text;
    Colour textColour, backColour;
};

void PrintTo(const CaptionRow& row, std::ostream* out)
{
    *out << row.name;
}

class CaptionImage : public ScreenFixture, public testing::WithParamInterface<CaptionRow> {};

// The caption equals the same text drawn by hand at the truncating centre.
TEST_P(CaptionImage, SitsAtTheTruncatedCentre)
{
    const CaptionRow& row = GetParam();
    RenderCaptionImage(22, row.width, row.height, row.text, 23, row.textColour, row.backColour);
    ASSERT_EQ(ImageWidth(22), row.width);
    ASSERT_EQ(ImageHeight(22), row.height);

    const int textWidth = MeasureIn(23, row.text);
    const int x = row.width / 2 - textWidth / 2;
    const int y = row.height / 2 - MeasureIn(23, "Ny") / 2;
    const Colour ink = row.textColour & 0xFFFFFF;
    CreateImage(ReferenceImage, row.width, row.height, 24);
    StartDrawingOnImage(ReferenceImage);
    FillBox(0, 0, row.width, row.height, row.backColour);
    UseTransparentText();
    SetFrontColour(ink);
    SelectFont(23);
    DrawText(x, y, row.text);
    StopDrawing();
    EXPECT_EQ(DifferingImagePixels(22, ReferenceImage, row.width, row.height), 0)
        << "text width " << textWidth << ", drawn at " << x << ", " << y;
    EXPECT_EQ(ImagePixel(22, 0, 0), row.backColour);

    // The reference is sharp enough to tell one pixel apart.
    StartDrawingOnImage(ReferenceImage);
    FillBox(0, 0, row.width, row.height, row.backColour);
    SetFrontColour(ink);
    UseTransparentText();
    SelectFont(23);
    DrawText(x - 1, y, row.text);
    StopDrawing();
    EXPECT_GT(DifferingImagePixels(22, ReferenceImage, row.width, row.height), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CaptionImage, testing::Values(
    //          name                      width height text                textColour   backColour
    CaptionRow{"system_caption",            280, 50,  "Звания Stelvane", 0x74DD7C,    0},
    CaptionRow{"odd_extent",                281, 51,  "Звания Stelvane", 0x74DD7C,    0},
    CaptionRow{"odd_text_width",            280, 50,  "Ny.",             0x74DD7C,    0},
    CaptionRow{"wider_than_the_image",      100, 50,  "Звания Stelvane", 0x74DD7C,    0},
    CaptionRow{"high_byte_of_colour_ignored", 280, 50, "Звания Stelvane", 0xAB74DD7C, 0x123456}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The system's caption text is the odd-width case that tells the rule apart.
TEST_F(ScreenFixture, SystemCaptionHasAnOddWidth)
{
    EXPECT_EQ(MeasureIn(23, "Звания Stelvane") % 2, 1) << "pick another caption row to pin the truncation";
}

// ------------------------------------------------------------- text sprite

// Index of the first row of sprite `number` in [from, to) holding a pixel other than `back`, or -1.
int FirstInkRow(int number, int from, int to, Colour back)
{
    for (int y = from; y < to; ++y)
        for (int x = 0; x < SpriteWidth(number); ++x)
            if (SpritePixel(number, x, y) != back)
                return y;
    return -1;
}

TEST_F(ScreenFixture, AboutTextSpriteIsMeasuredAndPlaced)
{
    RenderTextSprite(ScrollTextSprite, 260, 300, AboutText, 24, White, Black);
    const int lineHeight = MeasureIn(24, "Ny");
    const int height = SpriteHeight(ScrollTextSprite);
    ASSERT_EQ(SpriteWidth(ScrollTextSprite), 260);
    ASSERT_GT(lineHeight, 0);
    // Seven CRs, and the long first line wraps at least once.
    EXPECT_EQ((height - 30) % lineHeight, 0) << "height " << height;
    const int advances = (height - 30) / lineHeight;
    EXPECT_GE(advances, 8);

    // The first line starts at (26, height / 10): drawn again there by hand,
    // its first word matches pixel for pixel above the second line.
    const int top = height / 10;
    const std::string firstWord = "Программа ";
    const int right = 26 + MeasureIn(24, firstWord);
    ASSERT_EQ(CreateSprite(ReferenceSprite, 260, height), 1);
    StartDrawingOnSprite(ReferenceSprite);
    UseTransparentText();
    SetFrontColour(White);
    SelectFont(24);
    DrawText(26, top, firstWord);
    StopDrawing();
    int differing = 0, ink = 0;
    for (int y = 0; y < top + lineHeight; ++y)
        for (int x = 0; x < right; ++x) {
            differing += SpritePixel(ScrollTextSprite, x, y) != SpritePixel(ReferenceSprite, x, y);
            ink += SpritePixel(ReferenceSprite, x, y) != Black;
        }
    EXPECT_GT(ink, 0);
    EXPECT_EQ(differing, 0) << "first line not at (26, " << top << ")";

    // The text ends with the messenger line and two empty lines.
    const int lastTextLine = top + (advances - 3) * lineHeight;
    EXPECT_NE(FirstInkRow(ScrollTextSprite, lastTextLine, lastTextLine + lineHeight, Black), -1);
    EXPECT_EQ(FirstInkRow(ScrollTextSprite, lastTextLine + 2 * lineHeight, height, Black), -1);
}

TEST_F(ScreenFixture, EmptyTextGivesOneLineOfBackground)
{
    RenderTextSprite(ScrollTextSprite, 260, 300, "", 24, White, 0x203040);
    EXPECT_EQ(SpriteHeight(ScrollTextSprite), 30 + MeasureIn(24, "Ny"));
    EXPECT_EQ(SpritePixel(ScrollTextSprite, 0, 0), 0x203040u);
    EXPECT_EQ(FirstInkRow(ScrollTextSprite, 0, SpriteHeight(ScrollTextSprite), 0x203040), -1);
}

// A width whose margin reaches the wrap limit lays the text out unwrapped.
TEST_F(ScreenFixture, NarrowWidthEndsWithoutWrapping)
{
    RenderTextSprite(ScrollTextSprite, 5, 300, "ab cd ef\r\ngh", 24, White, Black);
    EXPECT_EQ(SpriteHeight(ScrollTextSprite), 30 + 2 * MeasureIn(24, "Ny"));
    EXPECT_EQ(SpriteWidth(ScrollTextSprite), 5);
}

TEST(TextSpriteWithoutScreen, LeavesNoSprite)
{
    CloseScreen();
    RenderTextSprite(ScrollTextSprite, 260, 300, "text", 24, White, Black);
    EXPECT_EQ(IsSprite(ScrollTextSprite), 0);
}

// ----------------------------------------------------------------- scroller

// Sprite 30 as three rows, red, blue and green, over the full text width.
void MakeStripedSprite()
{
    ASSERT_EQ(CreateSprite(ScrollTextSprite, 260, 3), 1);
    StartDrawingOnSprite(ScrollTextSprite);
    FillBox(0, 0, 260, 1, Red);
    FillBox(0, 1, 260, 1, Blue);
    FillBox(0, 2, 260, 1, Green);
    StopDrawing();
}

// Frame by frame: rows 159 down to −3 (the sprite's height), then 160 again,
// with the screen showing each step and the columns right of the sprite kept.
TEST_F(ScreenFixture, ScrollerStepsUpAndRestartsBelowTheScreen)
{
    MakeStripedSprite();
    ClearScreen(Black);
    {
        // A fast refresh keeps the 164 paced flips short.
        std::lock_guard<std::mutex> guard(Registry.screen.lock);
        Registry.screen.refreshNs = 200'000;
    }
    int row = ScrollStartRow;
    for (int expected = 159; expected >= -3; --expected) {
        row = ScrollFrame(row);
        ASSERT_EQ(row, expected);
        ASSERT_EQ(CountFlips(), 159 - expected + 1);
        if (expected >= 0) {
            ASSERT_EQ(ScreenPixel(0, expected), Red) << expected;
            ASSERT_EQ(ScreenPixel(259, expected), Red) << expected;
            ASSERT_EQ(ScreenPixel(260, expected), Black) << expected;
            ASSERT_EQ(ScreenPixel(0, expected + 1), Blue) << expected;
            ASSERT_EQ(ScreenPixel(0, expected + 2), Green) << expected;
            if (expected > 0) {
                ASSERT_EQ(ScreenPixel(0, expected - 1), Black) << expected;
            }
        }
    }
    EXPECT_EQ(ScreenPixel(0, 0), Green); // row −2 left the green row at the top; −3 drew nothing
    row = ScrollFrame(row);
    EXPECT_EQ(row, 160);
    EXPECT_EQ(ScreenPixel(0, 160), Red);
    EXPECT_EQ(ScreenPixel(0, 162), Green);
    EXPECT_EQ(ScreenPixel(0, 159), Green); // the lowest row, left behind by earlier frames
    EXPECT_EQ(ScreenPixel(0, 163), Black); // never reached by the sprite
}

TEST_F(ScreenFixture, ScrollerShowsOneFrameWhenStoppedAtOnce)
{
    MakeStripedSprite();
    ScrollStopFlag = 1;
    const int thread = StartThread(ScrollerThread, 0);
    ASSERT_NE(thread, 0);
    WaitThread(thread);
    EXPECT_EQ(CountFlips(), 1);
    EXPECT_EQ(ScreenPixel(0, 159), Red);
    EXPECT_EQ(CountThreads(), 0);
}

// Drawing on a sprite holds no lock between calls: the GUI thread may display
// the sprite it is drawing on while the scroller runs, and sees the old one
// until drawing stops.
TEST_F(ScreenFixture, DrawingOnASpriteWhileTheScrollerRuns)
{
    MakeStripedSprite();
    ASSERT_EQ(CreateSprite(ReferenceSprite, 4, 4), 1);
    const int thread = StartThread(ScrollerThread, 1);
    ASSERT_NE(thread, 0);
    ASSERT_EQ(StartDrawingOnSprite(ReferenceSprite), 1);
    FillBox(0, 0, 4, 4, White);
    DisplaySprite(ReferenceSprite, 300, 0);
    FlipScreen();
    EXPECT_EQ(ScreenPixel(300, 0), Black);
    StopDrawing();
    DisplaySprite(ReferenceSprite, 300, 0);
    FlipScreen();
    EXPECT_EQ(ScreenPixel(300, 0), White);
    ScrollStopFlag = 1;
    WaitThread(thread);
    EXPECT_GE(CountFlips(), 3);
}

struct ClipRow {
    const char* name;
    int x, y;
    int insideX, insideY; // a screen pixel the sprite must cover, or -1
    int flips;            // how many screen pixels turn white
};

// A 4 × 4 sprite displayed one pixel inside, at and beyond each edge of the 320 × 200 screen.
TEST_F(ScreenFixture, DisplaySpriteClipsAtEveryEdge)
{
    ASSERT_EQ(CreateSprite(ReferenceSprite, 4, 4), 1);
    StartDrawingOnSprite(ReferenceSprite);
    FillBox(0, 0, 4, 4, White);
    StopDrawing();
    const ClipRow rows[] = {
        {"inside the top-left corner", 0, 0, 0, 0, 16},
        {"one over the left edge", -1, 0, 0, 0, 12},
        {"only its last column left", -3, 0, 0, 3, 4},
        {"wholly left", -4, 0, -1, -1, 0},
        {"one over the top edge", 0, -1, 0, 0, 12},
        {"wholly above", 0, -4, -1, -1, 0},
        {"at the bottom-right corner", 316, 196, 319, 199, 16},
        {"one over the right edge", 317, 196, 319, 199, 12},
        {"only its first column right", 319, 196, 319, 199, 4},
        {"wholly right", 320, 196, -1, -1, 0},
        {"one over the bottom edge", 316, 197, 319, 199, 12},
        {"wholly below", 316, 200, -1, -1, 0},
        {"far outside", -2147483647, 2147483647, -1, -1, 0},
    };
    for (const ClipRow& row : rows) {
        ClearScreen(Black);
        DisplaySprite(ReferenceSprite, row.x, row.y);
        FlipScreen();
        int white = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 320; ++x)
                white += ScreenPixel(x, y) == White;
        EXPECT_EQ(white, row.flips) << row.name;
        if (row.insideX >= 0) {
            EXPECT_EQ(ScreenPixel(row.insideX, row.insideY), White) << row.name;
        }
    }
}

TEST_F(ScreenFixture, TextOnAFreshTargetHasAnOpaqueWhiteCell)
{
    ASSERT_EQ(CreateSprite(ReferenceSprite, 100, 40), 1);
    StartDrawingOnSprite(ReferenceSprite);
    SelectFont(24);
    DrawText(10, 5, "..");
    StopDrawing();
    EXPECT_EQ(SpritePixel(ReferenceSprite, 10, 5), White);
    EXPECT_EQ(SpritePixel(ReferenceSprite, 9, 5), Black);
    EXPECT_EQ(SpritePixel(ReferenceSprite, 10, 4), Black);
    EXPECT_EQ(TextWidth(""), 0);
}

// ----------------------------------------------------------------- the box

// A hidden main window 0, the fonts, the caption, and an empty event queue.
class InfoBox : public testing::Test {
protected:
    static void SetUpTestSuite() { LoadSystemFonts(); }
    void SetUp() override
    {
        ASSERT_EQ(OpenWindow(0, 0, 0, 200, 100, "main", WindowHidden), 1);
        DrainEvents();
        brushesBefore = CountBrushes();
        // A box that misses its dismissal would wait for ever; end it and fail.
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            timedOut = true;
            PostEvent(CloseRequest, InfoWindow, -1);
        });
        watchdog.start(15000);
    }
    void TearDown() override
    {
        watchdog.stop();
        EXPECT_FALSE(timedOut) << "the box did not end at its dismissal";
        CloseWindow(0);
        DrainEvents();
    }
    // The main loop's three steps for a click on "?".
    static void ClickInfoButton()
    {
        ScrollStopFlag = 0;
        RenderCaptionImage(22, 280, 50, "Звания Stelvane", 23, 0x74DD7C, 0);
        RunInfoBox(InfoWindow, 22, "Info", AboutText, 24, "Ok", 0, 0xFFFFFF, 0);
    }
    // Everything the box made for one run is gone again.
    void ExpectNothingLeft()
    {
        EXPECT_EQ(IsWindowOpen(InfoWindow), 0);
        EXPECT_EQ(IsControl(InfoOkButton), 0);
        EXPECT_EQ(IsControl(CaptionView), 0);
        EXPECT_EQ(CountThreads(), 0);
        EXPECT_EQ(CountSprites(), 0);
        EXPECT_EQ(CountBrushes(), brushesBefore);
        EXPECT_EQ(ScrollStopFlag.load(), 1);
        EXPECT_EQ(IsWindowOpen(0), 1);
    }
    int brushesBefore = 0;
    QTimer watchdog;
    bool timedOut = false;
};

// The screen shows nothing above row 159 and the text below it: a first frame.
void ExpectFirstFrame()
{
    int inkAbove = 0, inkBelow = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x)
            (y < 159 ? inkAbove : inkBelow) += ScreenPixel(x, y) != Black;
    EXPECT_EQ(inkAbove, 0);
    EXPECT_GT(inkBelow, 0);
}

struct DismissRow {
    const char* name;
    int kind, window, control;
};

void PrintTo(const DismissRow& row, std::ostream* out)
{
    *out << row.name;
}

class Dismissal : public InfoBox, public testing::WithParamInterface<DismissRow> {};

// Clicks on the main window's buttons (8, 9) and the caption are dropped; the
// dismissing event ends the loop and nothing after it is taken.
TEST_P(Dismissal, EndsTheBoxOnlyAtItsEvent)
{
    const DismissRow& row = GetParam();
    PostEvent(ControlEvent, 0, 8);
    PostEvent(ControlEvent, 0, 9);
    PostEvent(ControlEvent, InfoWindow, CaptionView);
    PostEvent(CloseRequest + 1, 0, -1);
    PostEvent(row.kind, row.window, row.control);
    PostEvent(ControlEvent, 0, 7); // left for the main loop
    ClickInfoButton();
    EXPECT_EQ(CountPendingEvents(), 1);
    ExpectNothingLeft();
    EXPECT_EQ(IsScreenOpen(), 1); // the screen stays until the next box
    EXPECT_EQ(CountFlips(), 1);
    ExpectFirstFrame();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Dismissal, testing::Values(
    //         name                             kind           window       control
    DismissRow{"ok_button",                     ControlEvent,  InfoWindow,  InfoOkButton},
    DismissRow{"ok_whatever_the_window",        ControlEvent,  0,           InfoOkButton},
    DismissRow{"close_request_for_the_box",     CloseRequest,  InfoWindow,  -1},
    DismissRow{"close_request_for_main_window", CloseRequest,  0,           -1}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A box left running a while, then a second one: all made afresh, and the
// text starts again from row 159 on a new screen.
TEST_F(InfoBox, SecondBoxStartsAfresh)
{
    QTimer::singleShot(2000, [] { PostEvent(ControlEvent, InfoWindow, InfoOkButton); });
    ClickInfoButton();
    EXPECT_GE(CountFlips(), 40);
    ExpectNothingLeft();

    PostEvent(ControlEvent, InfoWindow, InfoOkButton);
    ClickInfoButton();
    EXPECT_EQ(CountFlips(), 1);
    ExpectFirstFrame();
    ExpectNothingLeft();
}

TEST_F(InfoBox, FiftyBoxesLeaveNothingBehind)
{
    for (int k = 0; k < 50; ++k) {
        PostEvent(ControlEvent, InfoWindow, InfoOkButton);
        ClickInfoButton();
    }
    ExpectNothingLeft();
}

// Without a screen service there is no sprite and no scroller, yet the box
// opens, takes its dismissal and releases what it made.
TEST_F(InfoBox, OpensAndClosesWithoutAScreen)
{
    ReleaseScreenService();
    PostEvent(ControlEvent, InfoWindow, InfoOkButton);
    ClickInfoButton();
    EXPECT_EQ(IsScreenOpen(), 0);
    ExpectNothingLeft();
    EXPECT_EQ(PrepareScreenService(), 1);
}

TEST_F(InfoBox, NamesItsButtonForScreenReaders)
{
    QTimer::singleShot(0, [] {
        const QWidget* ok = ControlWidget(InfoOkButton);
        EXPECT_TRUE(ok && ok->accessibleName() == QStringLiteral("Закрыть окно «Info»"));
        EXPECT_TRUE(ok && ok->window()->windowTitle() == QStringLiteral("Info"));
        PostEvent(ControlEvent, InfoWindow, InfoOkButton);
    });
    ClickInfoButton();
    ExpectNothingLeft();
}

} // namespace
