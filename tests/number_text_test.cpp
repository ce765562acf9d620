#include "ui/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct ParseRow {
    const char* name;
    std::string text;
    int64_t value;
};

const ParseRow ParseRows[] = {
    {"plain", "6000", 6000},
    {"leading blank", " 6000", 6000},
    {"leading blanks and tabs", " \t \t6000", 6000},
    {"plus sign", "+6000", 6000},
    {"trailing letters", "6000abc", 6000},
    {"hexadecimal", "$1770", 6000},
    {"hexadecimal lower case", "$ff", 255},
    {"binary", "%1011101110000", 6000},
    {"binary stops at 2", "%1012", 5},
    {"blank inside", "6 000", 6},
    {"negative", "-6000", -6000},
    {"negative hexadecimal", "-$10", -16},
    {"empty", "", 0},
    {"letters only", "abc", 0},
    {"minus zero", "-0", 0},
    {"C hexadecimal prefix", "0x1770", 0},
    {"sign then blank", "- 6000", 0},
    {"two signs", "+-6000", 0},
    {"dollar without digits", "$", 0},
    {"percent without digits", "%", 0},
    {"hexadecimal digit after decimal", "12F", 12},
    {"Cyrillic after digits", "600о", 600},
    {"leading Cyrillic", "о600", 0},
    {"trailing control character", "42\r\n", 42},
    {"largest value", "9223372036854775807", INT64_MAX},
    {"one past largest wraps negative", "9223372036854775808", INT64_MIN},
    {"smallest value", "-9223372036854775808", INT64_MIN},
    {"2^64 wraps to zero", "18446744073709551616", 0},
    {"2^64 + 1 wraps to one", "18446744073709551617", 1},
    {"twenty nines wrap", "99999999999999999999", 7766279631452241919},
    {"sixteen hex digits", "$FFFFFFFFFFFFFFFF", -1},
    {"seventeen hex digits wrap", "$10000000000000000", 0},
};

class ParseNumberTextTable : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseNumberTextTable, GivesTheValueOfTheRules)
{
    EXPECT_EQ(ParseNumberText(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberTextTable, testing::ValuesIn(ParseRows),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(ParseNumberText, AbsentTextGivesZero)
{
    EXPECT_EQ(ParseNumberText(std::string_view()), 0);
}

TEST(ParseNumberText, LongTextsEndAtTheFirstNonDigit)
{
    EXPECT_EQ(ParseNumberText("7" + std::string(100000, 'x')), 7);
    EXPECT_EQ(ParseNumberText(std::string(100000, ' ')), 0);
    // A hundred thousand nines wrap many times over and still give a value.
    const std::string nines(100000, '9');
    uint64_t expected = 0;
    for (char c : nines)
        expected = expected * 10 + uint64_t(c - '0');
    EXPECT_EQ(ParseNumberText(nines), static_cast<int64_t>(expected));
}

TEST(ParseNumberText, EmbeddedZeroByteEndsTheDigits)
{
    EXPECT_EQ(ParseNumberText(std::string("12\0" "34", 5)), 12);
}

struct TextRow {
    const char* name;
    int64_t value;
    const char* text;
};

const TextRow TextRows[] = {
    {"zero", 0, "0"},
    {"one", 1, "1"},
    {"minus one", -1, "-1"},
    {"cumulative total", 7474000, "7474000"},
    {"ten", 10, "10"},
    {"largest", INT64_MAX, "9223372036854775807"},
    {"smallest", INT64_MIN, "-9223372036854775808"},
    {"smallest plus one", INT64_MIN + 1, "-9223372036854775807"},
};

TEST(IntegerText, PrintsDecimalWithoutGrouping)
{
    for (const TextRow& row : TextRows)
        EXPECT_EQ(IntegerText(row.value), row.text) << row.name;
}

TEST(IntegerText, RoundTripsThroughParse)
{
    for (const TextRow& row : TextRows)
        EXPECT_EQ(ParseNumberText(IntegerText(row.value)), row.value) << row.name;
}

} // namespace
