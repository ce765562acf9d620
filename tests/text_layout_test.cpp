// The info box's word wrapping against a fake fixed-width font, so every line
// position is known exactly without a display.
#include "info/text_layout.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace {

// One word handed to the draw callback.
struct Placed {
    int x, y;
    std::string word;
    bool operator==(const Placed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placed& p)
{
    return out << "(" << p.x << ", " << p.y << ", \"" << p.word << "\")";
}

// Pixel width of one character in the fake font: the blank 5, "i" 9, "m" 11,
// every other character 10, Cyrillic included, so "Ny" (the line height) is 20.
int FakeCharWidth(char32_t c)
{
    switch (c) {
    case U' ': return 5;
    case U'i': return 9;
    case U'm': return 11;
    default: return 10;
    }
}

// Width of a UTF-8 string in the fake font, counted per character.
int FakeWidth(const std::string& text)
{
    const std::u32string chars = PrepareLayoutText(text); // words never end in CR LF, so it gets one
    int width = 0;
    for (std::size_t k = 0; k + 2 < chars.size(); ++k)
        width += FakeCharWidth(chars[k]);
    return width;
}

constexpr int LineHeight = 20;

// Lays `text` out on a surface `width` wide and 100 high; returns the words drawn and sets `height`.
std::vector<Placed> LayOut(int width, const std::string& text, int* height, std::vector<std::string>* measured = nullptr)
{
    std::vector<Placed> placed;
    const TextFrame frame = MeasuringFrame(width, 100, LineHeight);
    *height = RunCharacterLoop(
        PrepareLayoutText(text), frame,
        [&](const std::string& s) {
            if (measured)
                measured->push_back(s);
            return FakeWidth(s);
        },
        [&](int x, int y, const std::string& word) { placed.push_back({x, y, word}); });
    return placed;
}

struct LayoutRow {
    const char* name;
    int width; // 100: left 10, top 10, wrap limit 65, so five "a" and a blank end at the limit
    std::string text;
    std::vector<Placed> words;
    int height;
};

// clang-format off
const LayoutRow LayoutRows[] = {
    // name                                  width text                      words drawn                                              height
    {"empty text",                           100, "",                        {},                                                      30},
    {"one character",                        100, "a",                       {{10, 10, "a"}},                                         30},
    {"already ends in CR LF",                100, "ab\r\n",                  {{10, 10, "ab"}},                                        30},
    {"lone LF at the end",                   100, "ab\n",                    {{10, 10, "ab"}},                                        30},
    {"lone CR at the end",                   100, "ab\r",                    {{10, 10, "ab"}},                                        50},
    {"only a CR",                            100, "\r",                      {},                                                      50},
    {"only an LF",                           100, "\n",                      {},                                                      30},
    {"CR LF between lines",                  100, "a\r\nb",                  {{10, 10, "a"}, {10, 30, "b"}},                          50},
    {"empty line",                           100, "a\r\n\r\nb",              {{10, 10, "a"}, {10, 50, "b"}},                          70},
    {"tab is no part of a word",             100, "a\tb",                    {{10, 10, "ab"}},                                        30},
    {"two blanks in a row",                  100, "ab  cd",                  {{10, 10, "ab "}, {35, 10, " "}, {40, 10, "cd"}},        30},
    {"blank one below the limit",            100, "aaaai b",                 {{10, 10, "aaaai "}, {64, 10, "b"}},                     30},
    {"blank at the limit",                   100, "aaaaa b",                 {{10, 10, "aaaaa "}, {10, 30, "b"}},                     50},
    {"blank one above the limit",            100, "aaaam b",                 {{10, 10, "aaaam "}, {10, 30, "b"}},                     50},
    {"wrap takes back one Cyrillic letter",  100, "ааааа бв",                {{10, 10, "ааааа "}, {10, 30, "бв"}},                    50},
    {"second line wraps too",                100, "aaaaa bbbbb c",           {{10, 10, "aaaaa "}, {10, 30, "bbbbb "}, {10, 50, "c"}}, 70},
    {"CR right after the limit blank",       100, "aaaaa \rb",               {{10, 10, "aaaaa "}, {10, 50, "b"}},                     70},
    {"second blank after the limit blank",   100, "aaaaa  b",                {{10, 10, "aaaaa "}, {10, 30, " "}, {15, 30, "b"}},      50},
    {"wrap falls on an LF",                  100, "aaaaa \nb",               {{10, 10, "aaaaa "}, {10, 30, "b"}},                     50},
    {"word wider than the line",             100, "aaaaaaaaaaaa b",          {{10, 10, "aaaaaaaaaaaa "}, {10, 30, "b"}},              50},
    {"wide word placed mid-line",            100, "ab aaaaaaaaaaaa c",       {{10, 10, "ab "}, {35, 10, "aaaaaaaaaaaa "}, {10, 30, "c"}}, 50},
    {"wide last word drawn by the CR",       100, "aaaaaaaaaaaa",            {{10, 10, "aaaaaaaaaaaa"}},                              30},
    {"narrow width below: no wrapping",        4, "ab cd\r\ne",              {{0, 10, "ab "}, {25, 10, "cd"}, {0, 30, "e"}},          50},
    {"narrow width at: no wrapping",           5, "ab cd\r\ne",              {{0, 10, "ab "}, {25, 10, "cd"}, {0, 30, "e"}},          50},
    {"width one above narrow wraps",           6, "ab cd\r\ne",              {{0, 10, "ab "}, {0, 30, "cd"}, {0, 50, "e"}},           70},
    {"zero width: no wrapping",                0, "ab cd",                   {{0, 10, "ab "}, {25, 10, "cd"}},                        30},
};
// clang-format on

class LayoutTable : public testing::TestWithParam<LayoutRow> {};

TEST_P(LayoutTable, PlacesWordsAndMeasuresHeight)
{
    const LayoutRow& row = GetParam();
    int height = -1;
    const std::vector<Placed> words = LayOut(row.width, row.text, &height);
    EXPECT_EQ(words, row.words);
    EXPECT_EQ(height, row.height);
}

INSTANTIATE_TEST_SUITE_P(Rows, LayoutTable, testing::ValuesIn(LayoutRows), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

// Without a draw callback (the measuring pass) the height is the same as when drawing.
TEST(CharacterLoop, MeasuringPassReachesTheDrawingHeight)
{
    for (const LayoutRow& row : LayoutRows) {
        const TextFrame frame = MeasuringFrame(row.width, 100, LineHeight);
        EXPECT_EQ(RunCharacterLoop(PrepareLayoutText(row.text), frame, FakeWidth, nullptr), row.height) << row.name;
    }
}

struct MeasureRow {
    const char* name;
    std::string text;
    std::vector<std::string> measured;
};

// Text is measured once per word, at its blank; never per character, never at a CR.
TEST(CharacterLoop, MeasuresEachWordOnceAtItsBlank)
{
    const MeasureRow rows[] = {
        {"word closed by a CR", "abc def\r\nghi", {"abc "}},
        {"two blanks", "ab  cd", {"ab ", " "}},
        {"blank taken back at a wrap", "aaaaa  b", {"aaaaa ", " "}},
        {"letter taken back at a wrap", "aaaaa bb c", {"aaaaa ", "bb "}},
    };
    for (const MeasureRow& row : rows) {
        std::vector<std::string> measured;
        int height = 0;
        LayOut(100, row.text, &height, &measured);
        EXPECT_EQ(measured, row.measured) << row.name;
    }
}

TEST(MeasuringFrame, MarginsOfTheInfoBoxSprite)
{
    const TextFrame frame = MeasuringFrame(260, 300, 17);
    EXPECT_EQ(frame.left, 26);
    EXPECT_EQ(frame.top, 30);
    EXPECT_EQ(frame.wrapLimit, 177);
    EXPECT_EQ(frame.lineHeight, 17);
}

struct DecodeRow {
    const char* name;
    std::string text;
    std::u32string chars;
};

TEST(PrepareLayoutText, DecodesUtf8AndClosesWithCrLf)
{
    const DecodeRow rows[] = {
        {"two-byte Cyrillic", "Жy", U"Жy\r\n"},
        {"three-byte", "€", U"€\r\n"},
        {"four-byte", "\xF0\x9F\x98\x80", U"\U0001F600\r\n"},
        {"already closed", "Ж\r\n", U"Ж\r\n"},
        {"stray continuation byte", "\x80" "a", U"\uFFFDa\r\n"},
        {"sequence cut at the end", "a\xD0", U"a\uFFFD\r\n"},
        {"sequence cut by a letter", "\xD0" "a", U"\uFFFDa\r\n"},
        {"overlong slash", "\xC0\xAF", U"\uFFFD\uFFFD\r\n"},
        {"surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD\r\n"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD\r\n"},
    };
    for (const DecodeRow& row : rows)
        EXPECT_EQ(PrepareLayoutText(row.text), row.chars) << row.name;
}

TEST(CentredStart, TruncatesEachHalfOnItsOwn)
{
    struct Row {
        const char* name;
        int extent, size, start;
    };
    const Row rows[] = {
        {"odd size in even extent", 280, 151, 65}, // not (280 − 151) / 2 = 64
        {"even size one below", 280, 150, 65},
        {"even size one above", 280, 152, 64},
        {"odd extent", 281, 151, 65},
        {"empty", 280, 0, 140},
        {"wider than the extent", 280, 301, -10},
        {"wider, odd excess", 280, 303, -11},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CentredStart(row.extent, row.size), row.start) << row.name;
}

TEST(NextScrollRow, MovesUpAndRestartsBelowTheSpriteHeight)
{
    struct Row {
        const char* name;
        int row, height, next;
    };
    const Row rows[] = {
        {"from the start row", 160, 10, 159},
        {"past the top edge", 0, 10, -1},
        {"one above the last row", -8, 10, -9},
        {"reaches minus height", -9, 10, -10},
        {"beyond minus height restarts", -10, 10, 160},
        {"empty sprite restarts above row 0", 0, 0, 160},
        {"empty sprite reaches row 0", 1, 0, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(NextScrollRow(row.row, row.height), row.next) << row.name;
}

} // namespace
