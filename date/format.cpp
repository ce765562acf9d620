// Formatting a WideDate through a mask of %-tokens.
//
// The tokens are defined as nine replacements run in a fixed order
// (%yyyy %yy %mm %dd %hh %ii %ss %mon %day), each scanning left to right
// without overlap. One left-to-right scan that tries the tokens in that order
// at every "%" gives the same text, because
//   - every token starts with "%" and holds no other, so two matches never
//     share a character and each "%" is decided on its own;
//   - no inserted text is empty, holds a "%" or starts with a small letter,
//     while every token goes on in small letters after its "%", so no
//     replacement creates or breaks a token for another;
//   - the only tokens that can match at the same "%" are %yyyy and %yy, and
//     %yyyy comes first in both readings.
// The single scan copies the mask once and never goes back, which keeps the
// schedule's "%dd.%mm.%yyyy" to a handful of character stores.
#include "date/civil.h"
#include "date/wide_date.h"

#include <charconv>
#include <cstring>

namespace {

// Returns: `out` moved past the decimal text of `value`, left-filled with
// "0" to `width` characters, or its first `width` characters when longer;
// exactly `width` characters are written. This is the rare path: split
// fields take the two inline cases below.
// Preconditions: width in 1..4; room for width characters at `out`.
// In-band rules: none.
char* PutAnyFixedWidth(char* out, int32_t value, int width)
{
    char buffer[16];
    const int length = static_cast<int>(std::to_chars(buffer, buffer + sizeof buffer, value).ptr - buffer); // [1, 11]
    for (int i = length; i < width; ++i)
        *out++ = '0';
    const int kept = length < width ? length : width;
    std::memcpy(out, buffer, static_cast<size_t>(kept));
    return out + kept;
}

// "00" to "99" back to back: two digits are one two-byte copy.
constexpr char DigitPairs[] = "0001020304050607080910111213141516171819"
                              "2021222324252627282930313233343536373839"
                              "4041424344454647484950515253545556575859"
                              "6061626364656667686970717273747576777879"
                              "8081828384858687888990919293949596979899";

// Returns: `out` moved past `value` as two digits with a leading "0", as
// PutAnyFixedWidth(out, value, 2) gives it.
// Preconditions: room for two characters at `out`.
// In-band rules: none.
inline char* PutTwoDigits(char* out, int32_t value)
{
    const uint32_t digits = static_cast<uint32_t>(value); // negative values land far above 99
    if (digits >= 100)
        return PutAnyFixedWidth(out, value, 2);
    std::memcpy(out, DigitPairs + 2 * digits, 2);
    return out + 2;
}

// Returns: `out` moved past `value` as four digits, as
// PutAnyFixedWidth(out, value, 4) gives it.
// Preconditions: room for four characters at `out`.
// In-band rules: none.
inline char* PutFourDigits(char* out, int32_t value)
{
    const uint32_t digits = static_cast<uint32_t>(value); // negative values land far above 9999
    if (digits < 1000 || digits > 9999)
        return PutAnyFixedWidth(out, value, 4);
    std::memcpy(out, DigitPairs + 2 * (digits / 100), 2);
    std::memcpy(out + 2, DigitPairs + 2 * (digits % 100), 2);
    return out + 4;
}

// Returns: `out` moved past the last two characters of the decimal text of
// `value`, left-filled with "0" to two characters; exactly two are written.
// Preconditions: room for two characters at `out`.
// In-band rules: none.
char* PutLastTwo(char* out, int32_t value)
{
    char buffer[16];
    const int length = static_cast<int>(std::to_chars(buffer, buffer + sizeof buffer, value).ptr - buffer); // [1, 11]
    if (length < 2)
        *out++ = '0';
    const int kept = length < 2 ? length : 2;
    std::memcpy(out, buffer + length - kept, static_cast<size_t>(kept));
    return out + kept;
}

// Returns: `out` moved past the three letters of item `index` (counted from
// 0) of `names`, or past "???" when there is no such item.
// Preconditions: room for three characters at `out`; only a clock reading
// can bring an index out of range.
// In-band rules: none.
char* PutAbbreviation(char* out, std::string_view names, int32_t index)
{
    const bool known = index >= 0 && static_cast<size_t>(index) < names.size() / 3;
    std::memcpy(out, known ? names.data() + static_cast<size_t>(index) * 3 : "???", 3);
    return out + 3;
}

// Returns: true when `mask` holds `letters` right after position `percent`.
// Preconditions: percent < mask.size().
// In-band rules: none.
bool LettersFollow(std::string_view mask, size_t percent, std::string_view letters)
{
    if (mask.size() - percent - 1 < letters.size())
        return false;
    // A plain loop, which the compiler unrolls for these short constant
    // tokens, instead of a library compare per token.
    for (size_t i = 0; i < letters.size(); ++i) {
        if (mask[percent + 1 + i] != letters[i])
            return false;
    }
    return true;
}

// Returns: the weekday index shown for `date` with its `fields`: inside the
// valid range it follows from the date itself, outside it from the fields
// shown (now, or 9999-12-31, a Friday).
// Preconditions: fields are FieldsOfWideDate(date).
// In-band rules: a negative date is now.
int32_t WeekdayShown(WideDate date, const ClockReading& fields)
{
    const bool inRange = date >= 0 && date <= LargestTickCount / TicksPerUnit;
    return inRange ? WeekdayOfWideDate(date) : WeekdayOfCivil(fields.year, fields.month, fields.day);
}

} // namespace

// Returns: a new string, the mask with every token replaced by the fields of
// the date: %yyyy year (4 digits), %yy its last two, %mm month, %dd day,
// %hh hour, %ii minute, %ss second (2 digits each), %mon Jan..Dec, %day
// Sun..Sat ("???" for a month outside 1..12, which only a clock reading can
// bring). Anything else, a lone "%" or an upper-case variant included, stays
// as it is; an empty mask gives an empty string.
// Preconditions: none; any mask and any date give a defined text.
// In-band rules: a negative date formats the clock's current date, time and
// weekday; a date past the valid range formats as 9999-12-31 23:59:59, a
// Friday.
std::string FormatWideDate(std::string_view mask, WideDate date)
{
    const ClockReading fields = FieldsOfWideDate(date);

    // Every replacement is at least one character shorter than its token
    // (%yyyy 5 -> 4, %yy %mm %dd %hh %ii %ss 3 -> 2, %mon %day 4 -> 3) and
    // every other character is copied once, so the text never outgrows the
    // mask: the result is sized to the mask once, written in place and cut
    // to length at the end.
    std::string text(mask.size(), '\0');
    char* out = text.data();
    for (size_t i = 0; i < mask.size();) {
        if (mask[i] != '%') {
            *out++ = mask[i++];
            continue;
        }
        // Dispatch on the letter after "%"; among tokens that share it, the
        // earlier one in the replacement order is tried first.
        size_t used = 0; // characters of the token matched here, 0 for none
        switch (i + 1 < mask.size() ? mask[i + 1] : '\0') {
        case 'y':
            if (LettersFollow(mask, i, "yyyy")) {
                out = PutFourDigits(out, fields.year);
                used = 5;
            } else if (LettersFollow(mask, i, "yy")) {
                out = PutLastTwo(out, fields.year);
                used = 3;
            }
            break;
        case 'm':
            if (LettersFollow(mask, i, "mm")) {
                out = PutTwoDigits(out, fields.month);
                used = 3;
            } else if (LettersFollow(mask, i, "mon")) {
                out = PutAbbreviation(out, MonthAbbreviations, fields.month - 1);
                used = 4;
            }
            break;
        case 'd':
            if (LettersFollow(mask, i, "dd")) {
                out = PutTwoDigits(out, fields.day);
                used = 3;
            } else if (LettersFollow(mask, i, "day")) {
                out = PutAbbreviation(out, WeekdayAbbreviations, WeekdayShown(date, fields));
                used = 4;
            }
            break;
        case 'h':
            if (LettersFollow(mask, i, "hh")) {
                out = PutTwoDigits(out, fields.hour);
                used = 3;
            }
            break;
        case 'i':
            if (LettersFollow(mask, i, "ii")) {
                out = PutTwoDigits(out, fields.minute);
                used = 3;
            }
            break;
        case 's':
            if (LettersFollow(mask, i, "ss")) {
                out = PutTwoDigits(out, fields.second);
                used = 3;
            }
            break;
        default:
            break;
        }
        if (used == 0)
            *out++ = '%';
        i += used == 0 ? 1 : used;
    }
    text.resize(static_cast<size_t>(out - text.data()));
    return text;
}
