#include "platform/platform.h"
#include "platform/registry.h"
#include "resources/resources.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Images, DecodeTheEmbeddedPictures)
{
    InitJpegDecoder();
    ASSERT_EQ(DecodeImage(0, BackgroundPicture, BackgroundPictureSize), 1);
    EXPECT_EQ(ImageWidth(0), 800);
    EXPECT_EQ(ImageHeight(0), 600);
    ASSERT_EQ(DecodeImage(10, RankIconFiles + 5 * RankIconFileSize, RankIconFileSize), 1);
    EXPECT_EQ(ImageWidth(10), 20);
    EXPECT_EQ(ImageHeight(10), 20);
    // BMP rows are stored bottom-up: the file's last row is the picture's top.
    const unsigned char* top = RankIconFiles + 5 * RankIconFileSize + 54 + 19 * 60;
    EXPECT_EQ(ImagePixel(10, 0, 0), Colour(top[2]) | Colour(top[1]) << 8 | Colour(top[0]) << 16);
    FreeImage(10);
    EXPECT_FALSE(IsImage(10));
}

TEST(Images, BrokenDataLeavesTheImageMissing)
{
    const std::vector<unsigned char> jpeg(BackgroundPicture, BackgroundPicture + BackgroundPictureSize);
    const struct {
        const char* name;
        std::vector<unsigned char> bytes;
    } rows[] = {
        {"empty", {}},
        {"no signature", {1, 2, 3, 4, 5, 6}},
        {"BM alone", {'B', 'M'}},
        {"BMP header cut short", std::vector<unsigned char>(RankIconFiles, RankIconFiles + 30)},
        {"JPEG signature alone", {0xFF, 0xD8, 0xFF}},
        {"JPEG cut after its header", std::vector<unsigned char>(jpeg.begin(), jpeg.begin() + 700)},
        {"JPEG with its frame header garbled",
         [&] {
             std::vector<unsigned char> bytes = jpeg;
             for (std::size_t at = 2; at + 1 < bytes.size(); ++at)
                 if (bytes[at] == 0xFF && bytes[at + 1] == 0xC0) {
                     bytes[at + 5] = 0; // zero height
                     bytes[at + 6] = 0;
                     break;
                 }
             return bytes;
         }()},
    };
    for (const auto& row : rows) {
        CreateImage(3, 4, 4, 24);
        EXPECT_EQ(DecodeImage(3, row.bytes.data(), row.bytes.size()), 0) << row.name;
        EXPECT_FALSE(IsImage(3)) << row.name << ": the old image is released first";
    }
    EXPECT_EQ(DecodeImage(3, nullptr, 100), 0);
}

TEST(Images, CreatedImagesAreBlackAndReplaceTheirNumber)
{
    const int before = CountImages();
    ASSERT_EQ(CreateImage(4, 30, 20, 24), 1);
    ASSERT_EQ(CreateImage(4, 10, 5, 24), 1);
    EXPECT_EQ(CountImages(), before + 1);
    EXPECT_EQ(ImageWidth(4), 10);
    EXPECT_EQ(ImagePixel(4, 9, 4), 0u);
    EXPECT_EQ(CreateImage(4, 0, 5, 24), 0);
    EXPECT_FALSE(IsImage(4));
}

TEST(Fonts, CharacterHeightFollowsTheDisplayResolution)
{
    ASSERT_EQ(LoadFont(23, "Arial", 20), 1);
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    EXPECT_EQ(FontPixelHeight(23), static_cast<int>(20 * dpi / 72 + 0.5));
    if (dpi == 96) {
        EXPECT_EQ(FontPixelHeight(23), 27);
    }
    EXPECT_EQ(LoadFont(25, "Arial", 0), 0);
    EXPECT_EQ(FontPixelHeight(25), 0);
}

class WindowTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(OpenWindow(40, 0, 0, 200, 100, "test", WindowMenu | WindowHidden), 1); }
    void TearDown() override
    {
        CloseWindow(40);
        Registry.events.clear();
    }
};

TEST_F(WindowTest, ClosingAWindowAsksTheProgramFirst)
{
    Registry.windows[40]->close();
    EXPECT_EQ(IsWindowOpen(40), 1);
    ASSERT_EQ(WaitEvent(), CloseRequest);
    EXPECT_EQ(EventWindow(), 40);
}

TEST_F(WindowTest, ButtonClicksBecomeControlEvents)
{
    CreateButton(41, 0, 0, 50, 20, "Ok");
    static_cast<QAbstractButton*>(ControlWidget(41))->click();
    ASSERT_EQ(WaitEvent(), ControlEvent);
    EXPECT_EQ(EventControl(), 41);
    EXPECT_EQ(EventWindow(), 40);
    EXPECT_EQ(EventType(), 1);
}

TEST_F(WindowTest, ANewControlReplacesTheOneUnderItsNumber)
{
    CreateButton(42, 0, 0, 50, 20, "first");
    CreateTextLabel(42, 0, 0, 50, 20, "second");
    EXPECT_EQ(ControlText(42), "second");
    EXPECT_EQ(ControlWidget(42)->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
}

TEST_F(WindowTest, ClosingTheWindowTakesItsControlsAlong)
{
    CreateStringField(43, 0, 0, 50, 20, "x");
    CloseWindow(40);
    EXPECT_FALSE(IsControl(43));
    EXPECT_EQ(ControlText(43), "");
}

TEST_F(WindowTest, ClearingAListRemovesItsColouringButKeepsItsIcons)
{
    CreateListView(44, 0, 0, 200, 100, "a", 50);
    const int set = CreateIconSet(20, 20, 24, 0, 0);
    CreateImage(11, 20, 20, 24);
    EXPECT_EQ(AddIconToSet(set, 11), 0);
    EXPECT_EQ(AddIconToSet(set, 99), -1);
    EXPECT_EQ(InstallIconSet(44, set), 0);
    ColourList(44, 0xFFFFFF, 0x000000, 0x141414, 2);
    EXPECT_EQ(InsertListRow(44, 5, "appended", 0), 0);
    ClearList(44);
    EXPECT_EQ(CountListRows(44), 0);
    const QPalette viewport = ListWidget(44)->viewport()->palette();
    EXPECT_NE(FromQColor(viewport.color(QPalette::Base)), 0u);
    EXPECT_EQ(InstallIconSet(44, 0), set);
    FreeIconSet(set);
    FreeImage(11);
}

TEST(Brushes, AreCountedUntilFreed)
{
    const int before = CountBrushes();
    const int brush = MakeColourBrush(0x123456);
    EXPECT_NE(brush, 0);
    EXPECT_EQ(MakeImageBrush(12345), 0);
    EXPECT_EQ(CountBrushes(), before + 1);
    FreeBrush(brush);
    EXPECT_EQ(CountBrushes(), before);
}

} // namespace
