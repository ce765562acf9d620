// Number texts: how the program reads the EXP a user types and the table's
// EXP texts, and how it prints counts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Returns the value of `text` by the number text rules, wrapping modulo 2^64:
// leading blanks and tabs skipped; one sign ("-" negates, "+" is skipped);
// "$" starts hexadecimal digits, "%" binary ones, anything else decimal; the
// digits run to the first character that is none, the rest is ignored.
// An absent or empty text, or one with no digit, gives 0.
int64_t ParseNumberText(std::string_view text);

// Returns the decimal text of `value`: "-" before the magnitude of a negative
// value, no plus sign, no leading zeros, no grouping; "0" for zero.
std::string IntegerText(int64_t value);
