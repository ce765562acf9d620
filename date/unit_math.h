// 64-bit arithmetic for turning counts into units. Counts come straight from
// callers and may be anything, so every product and sum here is checked: a
// value that leaves the signed 64-bit range is pinned at INT64_MAX or
// INT64_MIN instead of wrapping. Internal to the date module.
#pragma once

#include <bit>
#include <cstdint>
#include <limits>

inline constexpr int64_t LargestInt64 = std::numeric_limits<int64_t>::max();
inline constexpr int64_t SmallestInt64 = std::numeric_limits<int64_t>::min();

// Returns: a + b, or INT64_MAX / INT64_MIN when the sum leaves the range.
// Preconditions: none.
inline int64_t SaturatingAdd(int64_t a, int64_t b)
{
    if (b > 0 && a > LargestInt64 - b)
        return LargestInt64;
    if (b < 0 && a < SmallestInt64 - b)
        return SmallestInt64;
    return a + b;
}

// Returns: true and a × b in `product` when it fits; false and the product
// pinned at INT64_MAX / INT64_MIN (by the sign it would have) when not.
// Preconditions: none.
inline bool MultiplyFits(int64_t a, int64_t b, int64_t& product)
{
    const uint64_t magnitudeA = a < 0 ? 0 - static_cast<uint64_t>(a) : static_cast<uint64_t>(a); // [0, 2^63]
    const uint64_t magnitudeB = b < 0 ? 0 - static_cast<uint64_t>(b) : static_cast<uint64_t>(b); // [0, 2^63]
    // Factors of at most 63 bits together always fit; that is every call on
    // the hot paths, so the division below is rarely reached.
    if (std::bit_width(magnitudeA) + std::bit_width(magnitudeB) <= 63) {
        product = a * b;
        return true;
    }
    const bool negative = (a < 0) != (b < 0);
    const uint64_t limit = negative ? uint64_t{1} << 63 : static_cast<uint64_t>(LargestInt64);
    if (magnitudeB != 0 && magnitudeA > limit / magnitudeB) {
        product = negative ? SmallestInt64 : LargestInt64;
        return false;
    }
    const uint64_t magnitude = magnitudeA * magnitudeB; // [0, limit]
    // Modular conversion (defined since C++20) turns 2^63 into INT64_MIN.
    product = static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
    return true;
}

// Returns: a × b, or INT64_MAX / INT64_MIN when the product leaves the range.
// Preconditions: none.
inline int64_t SaturatingMultiply(int64_t a, int64_t b)
{
    int64_t product = 0;
    MultiplyFits(a, b, product);
    return product;
}

// Returns: true and ⌊(count × unitsPerWhole + parts div 2) / parts⌋ in
// `units`, that is `count` parts of a whole (an hour is a 24th of a day)
// converted into units and rounded to the nearest unit, halves up, negative
// counts alike; exact whenever the result fits in 64 bits, even where
// count × unitsPerWhole alone would not. False, with `units` pinned at
// INT64_MAX / INT64_MIN by the sign of the count, when it does not fit.
// Preconditions: parts >= 1; 0 <= unitsPerWhole and (parts - 1) ×
// unitsPerWhole + parts fits in 64 bits (true for every setting in use).
inline bool RoundedUnitsFit(int64_t count, int64_t unitsPerWhole, int64_t parts, int64_t& units)
{
    // Split count into whole groups of `parts` and a remainder, flooring so
    // that the remainder is never negative: count = wholes × parts + rest.
    int64_t wholes = count / parts;
    int64_t rest = count % parts;
    if (rest < 0) {
        wholes -= 1;
        rest += parts;
    } // rest in [0, parts - 1]
    int64_t wholeUnits = 0;
    if (!MultiplyFits(wholes, unitsPerWhole, wholeUnits)) {
        units = wholeUnits;
        return false;
    }
    const int64_t restUnits = (rest * unitsPerWhole + parts / 2) / parts; // [0, unitsPerWhole]
    units = SaturatingAdd(wholeUnits, restUnits);
    return wholeUnits <= LargestInt64 - restUnits;
}
