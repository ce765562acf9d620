// Byte writers and a small anti-aliased painter shared by the resource art.
#pragma once

#include <cstdint>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;
// True where a point lies inside a shape; coordinates in pixels, y growing downward.
using Shape = std::function<bool(double x, double y)>;

struct Rgb {
    double r, g, b; // 0..255
};

// A premultiplied RGBA picture with y growing downward.
struct Canvas {
    int width, height;
    std::vector<double> r, g, b, a; // a in 0..1, colours premultiplied
};

struct Point {
    double x, y;
};

constexpr double Pi = std::numbers::pi;
// Emblem gold, shared by the rank icons and the program icon.
constexpr Rgb Gold{246, 198, 62};
constexpr Rgb Shadow{0, 0, 0};

// Appends a little-endian value of `size` bytes.
void PutLe(Bytes& out, uint64_t value, int size);
// Appends a big-endian value of `size` bytes.
void PutBe(Bytes& out, uint64_t value, int size);
// Appends the bytes of a text, without a terminator.
void PutText(Bytes& out, const std::string& text);

// A canvas of w × h filled with one colour at the given opacity (0: fully transparent).
Canvas MakeCanvas(int width, int height, Rgb colour, double alpha);
// Paints colour over the canvas where the shape lies, anti-aliased.
void Paint(Canvas& canvas, const Shape& inside, Rgb colour, double opacity = 1.0);
// Paints an emblem part with a soft shadow below-right, so it reads on any fill.
void PaintRaised(Canvas& canvas, const Shape& inside, Rgb colour);
// Rounds a channel value to one byte, clamped to 0..255.
unsigned char ToByte(double value);
// Mixes two colours: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);

// The same shape moved by (dx, dy); used for shadows.
Shape Moved(const Shape& inside, double dx, double dy);
// A polygon as a shape (even-odd rule).
Shape PolygonShape(std::vector<Point> polygon);
// An axis-aligned rectangle.
Shape Rect(double x0, double y0, double x1, double y1);
// A disc.
Shape Disc(double cx, double cy, double radius);
// The corners of a five-pointed star, point upward.
std::vector<Point> StarPoints(double cx, double cy, double outer, double inner);
// A five-pointed star, point upward.
Shape Star(double cx, double cy, double outer);
