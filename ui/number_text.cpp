#include "ui/number_text.h"

namespace {

// The value of `c` as a digit of `base`, or -1.
int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value < base ? value : -1;
}

} // namespace

int64_t ParseNumberText(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    int base = 10;
    if (at < text.size() && text[at] == '$') {
        base = 16;
        ++at;
    } else if (at < text.size() && text[at] == '%') {
        base = 2;
        ++at;
    }
    // Unsigned arithmetic wraps modulo 2^64 without undefined behaviour.
    uint64_t value = 0;
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text[at], base);
        if (digit < 0)
            break;
        value = value * uint64_t(base) + uint64_t(digit);
    }
    if (negative)
        value = 0 - value;
    return static_cast<int64_t>(value);
}

std::string IntegerText(int64_t value)
{
    // The magnitude as unsigned, so that the most negative value prints too.
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char digits[24];
    char* end = digits + sizeof digits;
    char* start = end;
    do {
        *--start = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--start = '-';
    return std::string(start, end);
}
