#include "info/text_layout.h"

namespace {

constexpr char32_t CarriageReturn = 13;
constexpr char32_t LineFeed = 10;
constexpr char32_t Blank = 32;
constexpr char32_t Replacement = 0xFFFD;

// Appends the UTF-8 form of one character.
void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one character at `at` and moves past it; overlong forms, surrogates
// and cut sequences give U+FFFD for their first byte only.
char32_t DecodeOne(const std::string& text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    int extra = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1; c = lead & 0x1F; least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2; c = lead & 0x0F; least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3; c = lead & 0x07; least = 0x10000;
    } else {
        ++at;
        return Replacement;
    }
    if (at + extra >= text.size()) {
        ++at;
        return Replacement;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return Replacement;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++at;
        return Replacement;
    }
    at += extra + 1;
    return c;
}

} // namespace

// 32-bit arithmetic, each division truncated toward zero.
TextFrame MeasuringFrame(int width, int height, int lineHeight)
{
    const int margin = width / 10;
    return TextFrame{margin, height / 10, width - 3 * margin - 5, lineHeight};
}

// Decoded once, so positions and lengths count characters, not bytes.
std::u32string PrepareLayoutText(const std::string& text)
{
    std::u32string chars;
    chars.reserve(text.size() + 2);
    for (std::size_t at = 0; at < text.size();)
        chars += DecodeOne(text, at);
    const std::size_t n = chars.size();
    if (n < 2 || chars[n - 2] != CarriageReturn || chars[n - 1] != LineFeed)
        chars += U"\r\n";
    return chars;
}

// The wrap is decided from where a word would start, before it is placed.
int RunCharacterLoop(const std::u32string& chars, const TextFrame& frame, const TextMeasure& measure,
                     const WordDraw& draw)
{
    // Left of the limit a wrap always lands where no wrap is due, so the one
    // character it takes back is read again only once; otherwise it never ends.
    const bool wraps = frame.left < frame.wrapLimit;
    const auto n = static_cast<int64_t>(chars.size());
    int x = frame.left;
    int y = frame.top;
    std::string word;
    int64_t wordLength = 0; // characters in word, not bytes
    // Positions count from 1 as the loop is written; chars[i - 1] is position i.
    for (int64_t i = 1; i < n; ++i) {
        const char32_t c = chars[static_cast<std::size_t>(i - 1)];
        if (c >= Blank) {
            AppendUtf8(word, c);
            ++wordLength;
        }
        if (wraps && x >= frame.wrapLimit) {
            i -= wordLength;
            word.clear();
            wordLength = 0;
            x = frame.left;
            y += frame.lineHeight;
        }
        if (c == CarriageReturn) {
            if (draw && !word.empty())
                draw(x, y, word);
            x = frame.left;
            y += frame.lineHeight;
            word.clear();
            wordLength = 0;
        }
        if (c == Blank) {
            if (draw && !word.empty())
                draw(x, y, word);
            x += word.empty() ? 0 : measure(word);
            word.clear();
            wordLength = 0;
        }
    }
    return y;
}

// Not (extent − size) / 2: an odd size lands one pixel further right.
int CentredStart(int extent, int size)
{
    return extent / 2 - size / 2;
}

// One full cycle after the first is spriteHeight + 161 frames.
int NextScrollRow(int row, int spriteHeight)
{
    const int next = row - 1;
    return next < -spriteHeight ? ScrollStartRow : next;
}
