// Word wrapping of the info box's text, free of any toolkit: the character
// loop sees the font only through a width callback and hands each word to a
// draw callback, so it runs and is tested without a display.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Width in pixels of a UTF-8 string in the font being laid out with.
using TextMeasure = std::function<int(const std::string& text)>;
// Puts one UTF-8 word with its top-left corner at (x, y).
using WordDraw = std::function<void(int x, int y, const std::string& word)>;

// Where lines start and wrap; all values are pixels.
struct TextFrame {
    int left;       // every line starts here
    int top;        // the first line's y
    int wrapLimit;  // a word starting at or right of this goes to the next line
    int lineHeight; // y advance per line
};

// The frame of the measuring pass for a surface of width × height:
// left = width/10, top = height/10, wrap limit = width − 3·(width/10) − 5.
TextFrame MeasuringFrame(int width, int height, int lineHeight);

// The text as Unicode characters, closed by CR LF unless it already ends so;
// a byte that starts no valid UTF-8 sequence becomes U+FFFD.
std::u32string PrepareLayoutText(const std::string& text);

// Runs the character loop over positions 1 to n − 1 of `chars` (the closing
// LF is never examined) and returns the y reached: frame.top plus one line
// height per CR and per wrap. Each word is measured once, at its blank; words
// go to `draw` when it is set, except empty ones, which draw nothing. With a
// wrap limit at or left of the margin every line would wrap without end, so
// such a frame lays the text out without wrapping: lines end only at CR.
int RunCharacterLoop(const std::u32string& chars, const TextFrame& frame, const TextMeasure& measure,
                     const WordDraw& draw);

// Start of an extent of `size` centred in `extent`, each half truncated on its
// own: 280 and 151 give 140 − 75 = 65.
int CentredStart(int extent, int size);

// The row of the scrolling sprite's top edge in the frame after `row`: one row
// up, and back to the start row once that would pass −spriteHeight (at
// −spriteHeight the sprite lies just above the screen and is still a frame).
int NextScrollRow(int row, int spriteHeight);

// The row the scroller starts from; its first frame shows the sprite one above it.
constexpr int32_t ScrollStartRow = 160;
