// The built-in data: the rank table, the embedded icon files, background
// picture and program icon, and the about text.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

// jpeglib.h expects FILE and size_t to be declared already.
#include <jpeglib.h>

#include "app/about_text.h"
#include "app/rank_table.h"
#include "resources/resources.h"

namespace {

struct ExpectedRank {
    const char* name;
    const char* expToNext;
};

// The table as the program must show it, written out independently of the code under test.
const ExpectedRank ExpectedRanks[] = {
    {"Ст. кадет (Trainee)", "2000"},
    {"Рядовой солдат (Senior Trainee)", "3000"},
    {"Ст. солдат (Private)", "4000"},
    {"Ефрейтор (Corporal)", "5000"},
    {"Сержант (Sergeant)", "7000"},
    {"Мл. сержант 1го ранга (Staff Sgt. Grade 1)", "9000"},
    {"Мл. сержант 2го ранга (Staff Sgt. Grade 2)", "11000"},
    {"Мл. сержант 3го ранга (Staff Sgt. Grade 3)", "13500"},
    {"Сержант 1го ранга (Sgt. 1st Class Grade 1)", "16000"},
    {"Сержант 2го ранга (Sgt. 1st Class Grade 2)", "18500"},
    {"Сержант 3го ранга (Sgt. 1st Class Grade 3)", "21000"},
    {"Сержант 4го ранга (Sgt. 1st Class Grade 4)", "24000"},
    {"Ст. сержант 1го ранга (Master Sgt. Grade 1)", "27000"},
    {"Ст. сержант 2го ранга (Master Sgt. Grade 2)", "30000"},
    {"Ст. сержант 3го ранга (Master Sgt. Grade 3)", "33000"},
    {"Ст. сержант 4го ранга (Master Sgt. Grade 4)", "36000"},
    {"Ст. сержант 5го ранга (Master Sgt. Grade 5)", "41000"},
    {"Мл. лейтенант 1го ранга (2nd Lt. Grade 1)", "46000"},
    {"Мл. лейтенант 2го ранга (2nd Lt. Grade 2)", "51000"},
    {"Мл. лейтенант 3го ранга (2nd Lt. Grade 3)", "56000"},
    {"Мл. лейтенант 4го ранга (2nd Lt. Grade 4)", "62000"},
    {"Лейтенант 1го ранга (1st Lt. Grade 1)", "68000"},
    {"Лейтенант 2го ранга (1st Lt. Grade 2)", "74000"},
    {"Лейтенант 3го ранга (1st Lt. Grade 3)", "80000"},
    {"Лейтенант 4го ранга (1st Lt. Grade 4)", "86000"},
    {"Лейтенант 5го ранга (1st Lt. Grade 5)", "93000"},
    {"Ст. лейтенант 1го ранга (Capt. Grade 1)", "100000"},
    {"Ст. лейтенант 2го ранга (Capt. Grade 2)", "107000"},
    {"Ст. лейтенант 3го ранга (Capt. Grade 3)", "114000"},
    {"Ст. лейтенант 4го ранга (Capt. Grade 4)", "121000"},
    {"Ст. лейтенант 5го ранга (Capt. Grade 5)", "151000"},
    {"Майор 1го ранга (Major Grade 1) ", "181000"},
    {"Майор 2го ранга (Major Grade 2) ", "211000"},
    {"Майор 3го ранга (Major Grade 3) ", "241000"},
    {"Майор 4го ранга (Major Grade 4) ", "271000"},
    {"Майор 5го ранга (Major Grade 5) ", "311000"},
    {"Подполковник 1го ранга (Lt. Col. Grade 1)", "351000"},
    {"Подполковник 2го ранга (Lt. Col. Grade 2)", "391000"},
    {"Подполковник 3го ранга (Lt. Col. Grade 3)", "431000"},
    {"Подполковник 4го ранга (Lt. Col. Grade 4)", "471000"},
    {"Подполковник 5го ранга (Lt. Col. Grade 5)", "521000"},
    {"Полковник 1го ранга (Col. Grade 1)", "571000"},
    {"Полковник 2го ранга (Col. Grade 2)", "621000"},
    {"Полковник 3го ранга (Col. Grade 3)", "671000"},
    {"Полковник 4го ранга (Col. Grade 4)", "721000"},
    {"Полковник 5го ранга (Col. Grade 5)", "0"},
    {"Бригадный генерал (Brigadier)", "0"},
    {"Генерал-майор (Major General)", "0"},
    {"Генерал-лейтенант (Lt. General)", "0"},
    {"Генерал (General)", "0"},
    {"Генерал армии (Commander)", "0"},
};

// A little-endian field of a file held in memory.
uint32_t FieldAt(const unsigned char* file, int offset, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | file[offset + i];
    return value;
}

// A big-endian 16-bit value, as JPEG stores its lengths.
int BigEndian16(const unsigned char* p)
{
    return p[0] << 8 | p[1];
}

// True when the text is a plain decimal number: digits only, no leading zero unless it is "0".
bool IsPlainDecimal(const std::string& text)
{
    if (text.empty() || (text.size() > 1 && text[0] == '0'))
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// The icon file a row refers to, read back the way the schedule reads it.
const unsigned char* IconOfRow(int row)
{
    return reinterpret_cast<const unsigned char*>(
        static_cast<std::uintptr_t>(std::strtoull(RankTable[row][IconRef].c_str(), nullptr, 10)));
}

} // namespace

// ---------------------------------------------------------------- rank table

TEST(RankTable, RowsHoldTheListedNamesAndExp)
{
    BuildRankTable();
    ASSERT_EQ(std::size(ExpectedRanks), size_t(RankCount));
    for (int r = 0; r < RankCount; ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        EXPECT_EQ(RankTable[r][RankName], ExpectedRanks[r].name);
        EXPECT_EQ(RankTable[r][ExpToNext], ExpectedRanks[r].expToNext);
    }
}

TEST(RankTable, TableHas52RowsOf3Fields)
{
    EXPECT_EQ(RankTable.size(), 52u);
    EXPECT_EQ(RankTable[0].size(), 3u);
    EXPECT_EQ(int(IconRef), 0);
    EXPECT_EQ(int(RankName), 1);
    EXPECT_EQ(int(ExpToNext), 2);
}

TEST(RankTable, OnlyRows0To50AreFilledEvenAfterStaleContent)
{
    // Stale texts everywhere must not survive a rebuild: the table starts from empty cells.
    for (RankRow& row : RankTable)
        for (std::string& cell : row)
            cell = "stale";
    BuildRankTable();
    struct Case {
        const char* name;
        int row;
        bool filled;
    };
    const Case cases[] = {
        {"first rank", 0, true},
        {"one below the last rank", 49, true},
        {"last rank", 50, true},
        {"spare row after the last rank", 51, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::string& cell : RankTable[c.row]) {
            EXPECT_NE(cell, "stale");
            EXPECT_EQ(cell.empty(), !c.filled);
        }
    }
}

TEST(RankTable, ExpToNextSumsTo7474000InPlainDigits)
{
    BuildRankTable();
    long long sum = 0;
    for (int r = 0; r < RankCount; ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        EXPECT_TRUE(IsPlainDecimal(RankTable[r][ExpToNext])) << RankTable[r][ExpToNext];
        sum += std::atoll(RankTable[r][ExpToNext].c_str());
    }
    EXPECT_EQ(sum, 7474000);
}

TEST(RankTable, ExpToNextIsZeroFromRow45Up)
{
    BuildRankTable();
    struct Case {
        const char* name;
        int row;
        const char* exp;
    };
    const Case cases[] = {
        {"one below the first zero", 44, "721000"},
        {"first zero", 45, "0"},
        {"one above the first zero", 46, "0"},
        {"last rank", 50, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RankTable[c.row][ExpToNext], c.exp);
    }
}

TEST(RankTable, MajorNamesKeepTheirTrailingBlank)
{
    BuildRankTable();
    struct Case {
        const char* name;
        int row;
        bool trailingBlank;
    };
    const Case cases[] = {
        {"captain below the majors", 30, false},
        {"first major", 31, true},
        {"last major", 35, true},
        {"lieutenant colonel above the majors", 36, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string& name = RankTable[c.row][RankName];
        ASSERT_FALSE(name.empty());
        EXPECT_EQ(name.back() == ' ', c.trailingBlank);
        EXPECT_NE(name.substr(name.size() - 2), "  ");
    }
}

TEST(RankTable, IconRefIsThePlainDecimalAddressOfRankIconR)
{
    BuildRankTable();
    ASSERT_EQ(RankIconFilesSize, RankIconFileSize * RankCount);
    for (int r = 0; r < RankCount; ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        EXPECT_TRUE(IsPlainDecimal(RankTable[r][IconRef])) << RankTable[r][IconRef];
        EXPECT_EQ(IconOfRow(r), RankIconFiles + RankIconFileSize * r);
    }
}

// ---------------------------------------------------------------- rank icons

TEST(RankIcons, EveryIconIsA20By20BmpWithTheFixedHeader)
{
    BuildRankTable();
    struct Field {
        const char* name;
        int offset, size;
        uint32_t value;
    };
    const Field fields[] = {
        {"signature", 0, 2, 'B' | 'M' << 8},
        {"file size", 2, 4, 1254},
        {"reserved 1", 6, 2, 0},
        {"reserved 2", 8, 2, 0},
        {"pixel offset", 10, 4, 54},
        {"info header size", 14, 4, 40},
        {"width", 18, 4, 20},
        {"height, bottom-up", 22, 4, 20},
        {"planes", 26, 2, 1},
        {"bits per pixel", 28, 2, 24},
        {"compression", 30, 4, 0},
        {"image size", 34, 4, 1200},
        {"horizontal resolution", 38, 4, 0},
        {"vertical resolution", 42, 4, 0},
        {"colours used", 46, 4, 0},
        {"important colours", 50, 4, 0},
    };
    for (int r = 0; r < RankCount; ++r) {
        const unsigned char* icon = IconOfRow(r);
        for (const Field& f : fields)
            EXPECT_EQ(FieldAt(icon, f.offset, f.size), f.value) << "icon " << r << ", " << f.name;
    }
}

TEST(RankIcons, AllIconsDiffer)
{
    std::set<std::string> pictures;
    for (int r = 0; r < RankCount; ++r) {
        const unsigned char* pixels = RankIconFiles + RankIconFileSize * r + 54;
        EXPECT_TRUE(pictures.emplace(reinterpret_cast<const char*>(pixels), 1200).second) << "icon " << r;
    }
}

TEST(RankIcons, EveryIconIsAPictureNotAFlatSquare)
{
    // An insignia needs at least a frame, a fill and an emblem colour.
    for (int r = 0; r < RankCount; ++r) {
        const unsigned char* pixels = RankIconFiles + RankIconFileSize * r + 54;
        std::set<uint32_t> colours;
        for (int i = 0; i < 400; ++i)
            colours.insert(FieldAt(pixels, 3 * i, 3));
        EXPECT_GE(colours.size(), 3u) << "icon " << r;
    }
}

// ---------------------------------------------------------------- background picture

namespace {

struct JpegSegment {
    int marker;
    const unsigned char* payload; // after the length field
    int length;                   // of the payload
};

// The marker segments of a JPEG file in order, SOS included, entropy-coded data skipped.
std::vector<JpegSegment> JpegSegments(const unsigned char* data, size_t size)
{
    std::vector<JpegSegment> segments;
    size_t at = 2; // after SOI
    while (at + 4 <= size && data[at] == 0xFF) {
        int marker = data[at + 1];
        if (marker == 0xD9)
            break;
        int length = BigEndian16(data + at + 2);
        segments.push_back({marker, data + at + 4, length - 2});
        at += 2 + length;
        if (marker == 0xDA) {
            // Skip the scan up to the next marker that is neither stuffing nor a restart.
            while (at + 1 < size && !(data[at] == 0xFF && data[at + 1] != 0 && (data[at + 1] < 0xD0 || data[at + 1] > 0xD7)))
                ++at;
        }
    }
    return segments;
}

// Segments of one marker that stand before the frame header.
std::vector<JpegSegment> SegmentsBeforeFrame(int marker)
{
    std::vector<JpegSegment> found;
    for (const JpegSegment& s : JpegSegments(BackgroundPicture, BackgroundPictureSize)) {
        if (s.marker == 0xC0)
            break;
        if (s.marker == marker)
            found.push_back(s);
    }
    return found;
}

// True when a segment's payload starts with the given identifier, zero bytes included.
bool StartsWith(const JpegSegment& s, const char* id, size_t length)
{
    return s.length >= int(length) && std::memcmp(s.payload, id, length) == 0;
}

} // namespace

TEST(BackgroundPicture, IsOneBaselineFrameWithOneInterleavedScan)
{
    ASSERT_GT(BackgroundPictureSize, 4u);
    EXPECT_EQ(BigEndian16(BackgroundPicture), 0xFFD8);
    EXPECT_EQ(BigEndian16(BackgroundPicture + BackgroundPictureSize - 2), 0xFFD9);
    int baselineFrames = 0, otherFrames = 0, scans = 0;
    std::set<int> quantTables;
    for (const JpegSegment& s : JpegSegments(BackgroundPicture, BackgroundPictureSize)) {
        if (s.marker == 0xC0) {
            ++baselineFrames;
            EXPECT_EQ(s.payload[0], 8) << "sample precision";
            EXPECT_EQ(BigEndian16(s.payload + 1), 600);
            EXPECT_EQ(BigEndian16(s.payload + 3), 800);
            ASSERT_EQ(s.payload[5], 3);
            struct Component {
                const char* name;
                int sampling;
            };
            const Component components[] = {{"luminance", 0x21}, {"blue chroma", 0x11}, {"red chroma", 0x11}};
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(s.payload[6 + 3 * c + 1], components[c].sampling) << components[c].name;
        } else if (s.marker >= 0xC1 && s.marker <= 0xCF && s.marker != 0xC4 && s.marker != 0xC8 && s.marker != 0xCC) {
            ++otherFrames;
        } else if (s.marker == 0xDA) {
            ++scans;
            EXPECT_EQ(s.payload[0], 3) << "components in the scan";
        } else if (s.marker == 0xDB) {
            // A DQT segment may hold several 8-bit tables of 65 bytes each.
            for (int at = 0; at + 65 <= s.length; at += 65)
                quantTables.insert(s.payload[at] & 0x0F);
        }
    }
    EXPECT_EQ(baselineFrames, 1);
    EXPECT_EQ(otherFrames, 0);
    EXPECT_EQ(scans, 1);
    EXPECT_EQ(quantTables.size(), 2u);
}

TEST(BackgroundPicture, CarriesExifAndIccMetadataAheadOfTheFrame)
{
    struct Case {
        const char* name;
        int marker;
        const char* id;
        size_t idLength;
    };
    const Case cases[] = {
        {"APP1 Exif", 0xE1, "Exif\0", 6},
        {"APP2 ICC profile", 0xE2, "ICC_PROFILE", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool found = false;
        for (const JpegSegment& s : SegmentsBeforeFrame(c.marker))
            found = found || StartsWith(s, c.id, c.idLength);
        EXPECT_TRUE(found);
    }
}

namespace {

struct DecodedPicture {
    int width = 0, height = 0, components = 0;
    bool progressive = true;
    int sampling[3][2] = {};
    std::vector<unsigned char> pixels;
};

// Decodes the background with libjpeg from memory, as the program does at start-up.
DecodedPicture DecodeBackground()
{
    DecodedPicture picture;
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, BackgroundPicture, BackgroundPictureSize);
    jpeg_read_header(&cinfo, TRUE);
    picture.progressive = cinfo.progressive_mode;
    for (int c = 0; c < 3 && c < cinfo.num_components; ++c) {
        picture.sampling[c][0] = cinfo.comp_info[c].h_samp_factor;
        picture.sampling[c][1] = cinfo.comp_info[c].v_samp_factor;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    picture.width = cinfo.output_width;
    picture.height = cinfo.output_height;
    picture.components = cinfo.output_components;
    picture.pixels.resize(size_t(picture.width) * picture.height * picture.components);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = &picture.pixels[size_t(cinfo.output_scanline) * picture.width * picture.components];
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return picture;
}

// Share of the pixels of a rectangle whose three channels are all below 40.
double DarkShare(const DecodedPicture& picture, int x0, int y0, int x1, int y1)
{
    long dark = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const unsigned char* p = &picture.pixels[(size_t(y) * picture.width + x) * 3];
            dark += p[0] < 40 && p[1] < 40 && p[2] < 40;
        }
    return double(dark) / (double(x1 - x0) * (y1 - y0));
}

} // namespace

TEST(BackgroundPicture, DecodesThroughLibjpegTo800By600Rgb)
{
    DecodedPicture picture = DecodeBackground();
    EXPECT_EQ(picture.width, 800);
    EXPECT_EQ(picture.height, 600);
    EXPECT_EQ(picture.components, 3);
    EXPECT_FALSE(picture.progressive);
    EXPECT_EQ(picture.sampling[0][0], 2);
    EXPECT_EQ(picture.sampling[0][1], 1);
    for (int c = 1; c < 3; ++c) {
        EXPECT_EQ(picture.sampling[c][0], 1);
        EXPECT_EQ(picture.sampling[c][1], 1);
    }
}

TEST(BackgroundPicture, IsDarkWhereWhiteLabelsAndMarginsShow)
{
    DecodedPicture picture = DecodeBackground();
    ASSERT_EQ(picture.pixels.size(), 800u * 600 * 3);
    struct Region {
        const char* name;
        int x0, y0, x1, y1;
        double minDarkShare;
    };
    // The list covers x 5..795, y 70..595; the picture shows around it.
    const Region regions[] = {
        {"whole picture", 0, 0, 800, 600, 0.70},
        {"band above the list", 0, 0, 800, 70, 0.95},
        {"left margin", 0, 70, 5, 600, 0.95},
        {"right margin", 795, 70, 800, 600, 0.95},
        {"bottom margin", 0, 595, 800, 600, 0.95},
    };
    for (const Region& r : regions)
        EXPECT_GT(DarkShare(picture, r.x0, r.y0, r.x1, r.y1), r.minDarkShare) << r.name;
}

// ---------------------------------------------------------------- program icon

TEST(AppIcon, IsOneIcoImageOf24By24At32Bits)
{
    ASSERT_EQ(AppIconFileSize, 6u + 16 + 2440);
    struct Field {
        const char* name;
        int offset, size;
        uint32_t value;
    };
    const Field fields[] = {
        {"reserved", 0, 2, 0},
        {"type icon", 2, 2, 1},
        {"image count", 4, 2, 1},
        {"entry width", 6, 1, 24},
        {"entry height", 7, 1, 24},
        {"entry palette", 8, 1, 0},
        {"entry reserved", 9, 1, 0},
        {"entry planes", 10, 2, 1},
        {"entry bits per pixel", 12, 2, 32},
        {"entry image bytes", 14, 4, 2440},
        {"entry image offset", 18, 4, 22},
        {"info header size", 22, 4, 40},
        {"image width", 26, 4, 24},
        {"image height, colour and mask", 30, 4, 48},
        {"image planes", 34, 2, 1},
        {"image bits per pixel", 36, 2, 32},
        {"image compression", 38, 4, 0},
    };
    for (const Field& f : fields)
        EXPECT_EQ(FieldAt(AppIconFile, f.offset, f.size), f.value) << f.name;
}

TEST(AppIcon, MaskMarksExactlyTheFullyTransparentPixels)
{
    const unsigned char* colour = AppIconFile + 22 + 40;
    const unsigned char* mask = colour + 24 * 24 * 4;
    int transparent = 0, opaque = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            int alpha = colour[(y * 24 + x) * 4 + 3];
            bool masked = mask[y * 4 + x / 8] & (0x80 >> (x % 8));
            EXPECT_EQ(masked, alpha == 0) << "pixel " << x << "," << y;
            transparent += alpha == 0;
            opaque += alpha == 255;
        }
    // A picture with a shape: some of it see-through, most of it solid.
    EXPECT_GT(transparent, 0);
    EXPECT_GT(opaque, 24 * 24 / 2);
    for (int y = 0; y < 24; ++y)
        EXPECT_EQ(FieldAt(mask, y * 4 + 3, 1), 0u) << "padding of mask row " << y;
}

// ---------------------------------------------------------------- about text

namespace {

// The text split at CR LF; the part after the last CR LF comes last.
std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

} // namespace

TEST(AboutText, HasTheLongLineThenContactsThenTwoEmptyLines)
{
    SetAboutText();
    const std::string firstLine =
        "Программа содержит в себе все звания и количество опыта необходимое для получения звания. Зная "
        "приблизительное количество зарабатываемого опыта в день - можно рассчитать когда ты достигнешь "
        "следующего звания.";
    std::vector<std::string> lines = CrLfLines(AboutText);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], firstLine);
    EXPECT_EQ(lines[1], "");
    struct Contact {
        const char* name;
        int line;
        std::string label;
    };
    const Contact contacts[] = {{"author", 2, "Автор: "}, {"e-mail", 3, "e-mail: "}, {"messenger", 4, "Skype: "}};
    for (const Contact& c : contacts) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lines[c.line].substr(0, c.label.size()), c.label);
        EXPECT_GT(lines[c.line].size(), c.label.size());
    }
    for (int empty = 5; empty < 8; ++empty)
        EXPECT_EQ(lines[empty], "") << "line " << empty;
}

TEST(AboutText, EndsWithExactlyThreeCrLfPairs)
{
    SetAboutText();
    ASSERT_GT(AboutText.size(), 7u);
    struct Case {
        const char* name;
        size_t pairs;
        bool endsThatWay;
    };
    const Case cases[] = {
        {"two pairs", 2, true},
        {"three pairs", 3, true},
        {"four pairs", 4, false},
    };
    for (const Case& c : cases) {
        std::string ending;
        for (size_t i = 0; i < c.pairs; ++i)
            ending += "\r\n";
        EXPECT_EQ(AboutText.ends_with(ending), c.endsThatWay) << c.name;
    }
}

TEST(AboutText, LineEndsAreCrLfOnly)
{
    SetAboutText();
    for (size_t i = 0; i < AboutText.size(); ++i) {
        if (AboutText[i] == '\r') {
            EXPECT_TRUE(i + 1 < AboutText.size() && AboutText[i + 1] == '\n') << "lone CR at " << i;
        }
        if (AboutText[i] == '\n') {
            EXPECT_TRUE(i > 0 && AboutText[i - 1] == '\r') << "lone LF at " << i;
        }
    }
}

TEST(AboutText, SettingTwiceGivesTheSameText)
{
    SetAboutText();
    std::string first = AboutText;
    SetAboutText();
    EXPECT_EQ(AboutText, first);
}
