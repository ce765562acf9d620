#include "tools/drawing.h"

#include <algorithm>
#include <cmath>

// Appends a little-endian value of `size` bytes.
void PutLe(Bytes& out, uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// Appends a big-endian value of `size` bytes.
void PutBe(Bytes& out, uint64_t value, int size)
{
    for (int i = size - 1; i >= 0; --i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// Appends the bytes of a text, without a terminator.
void PutText(Bytes& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
}

// A canvas of w × h filled with one colour at the given opacity.
Canvas MakeCanvas(int width, int height, Rgb colour, double alpha)
{
    size_t n = static_cast<size_t>(width) * height;
    return {width, height, std::vector<double>(n, colour.r * alpha), std::vector<double>(n, colour.g * alpha),
            std::vector<double>(n, colour.b * alpha), std::vector<double>(n, alpha)};
}

// Share of pixel (x, y) inside the shape, from an 8 × 8 grid of samples.
static double Coverage(const Shape& inside, int x, int y)
{
    constexpr int Grid = 8;
    int hits = 0;
    for (int sy = 0; sy < Grid; ++sy)
        for (int sx = 0; sx < Grid; ++sx)
            hits += inside(x + (sx + 0.5) / Grid, y + (sy + 0.5) / Grid);
    return hits / double(Grid * Grid);
}

// Paints colour over the canvas where the shape lies, anti-aliased.
void Paint(Canvas& canvas, const Shape& inside, Rgb colour, double opacity)
{
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x) {
            double c = Coverage(inside, x, y) * opacity;
            if (c == 0)
                continue;
            size_t i = static_cast<size_t>(y) * canvas.width + x;
            canvas.r[i] = canvas.r[i] * (1 - c) + colour.r * c;
            canvas.g[i] = canvas.g[i] * (1 - c) + colour.g * c;
            canvas.b[i] = canvas.b[i] * (1 - c) + colour.b * c;
            canvas.a[i] = canvas.a[i] * (1 - c) + c;
        }
}

// The same shape moved by (dx, dy); used for shadows.
Shape Moved(const Shape& inside, double dx, double dy)
{
    return [=](double x, double y) { return inside(x - dx, y - dy); };
}

// Mixes two colours: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Even-odd test of a point against a closed polygon.
static bool InPolygon(const std::vector<Point>& polygon, double x, double y)
{
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& p = polygon[i];
        const Point& q = polygon[j];
        if ((p.y > y) != (q.y > y) && x < (q.x - p.x) * (y - p.y) / (q.y - p.y) + p.x)
            in = !in;
    }
    return in;
}

// A polygon as a shape.
Shape PolygonShape(std::vector<Point> polygon)
{
    return [polygon = std::move(polygon)](double x, double y) { return InPolygon(polygon, x, y); };
}

// An axis-aligned rectangle.
Shape Rect(double x0, double y0, double x1, double y1)
{
    return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

// A disc.
Shape Disc(double cx, double cy, double radius)
{
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

// The corners of a five-pointed star, point upward.
std::vector<Point> StarPoints(double cx, double cy, double outer, double inner)
{
    std::vector<Point> points;
    for (int k = 0; k < 10; ++k) {
        double angle = -Pi / 2 + k * Pi / 5;
        double radius = k % 2 ? inner : outer;
        points.push_back({cx + radius * std::cos(angle), cy + radius * std::sin(angle)});
    }
    return points;
}

// A five-pointed star, point upward.
Shape Star(double cx, double cy, double outer)
{
    return PolygonShape(StarPoints(cx, cy, outer, outer * 0.42));
}

// Paints an emblem part with a soft shadow below-right, so it reads on any fill.
void PaintRaised(Canvas& canvas, const Shape& inside, Rgb colour)
{
    Paint(canvas, Moved(inside, 0.7, 0.8), Shadow, 0.55);
    Paint(canvas, inside, colour);
}

// Rounds a channel value to one byte, clamped to 0..255.
unsigned char ToByte(double value)
{
    return static_cast<unsigned char>(std::clamp(std::lround(value), 0L, 255L));
}
