#include "tools/resource_art.h"

#include <cmath>
#include <iterator>

#include "tools/drawing.h"

namespace {

constexpr int IconSide = 20;
constexpr int IconFileSize = 54 + IconSide * IconSide * 3;
constexpr int RankCount = 51;
// Frame of the top grade of each series.
constexpr Rgb GoldFrame{236, 214, 150};

// Colours of one rank group: square, frame and ordinary emblem.
struct RankGroup {
    int firstRow, lastRow;
    Rgb fill, frame, emblem;
};

// The groups in rank order; every row falls into exactly one.
constexpr RankGroup RankGroups[] = {
    {0, 4, {58, 60, 64}, {112, 114, 120}, {206, 208, 212}},     // enlisted: grey, bars
    {5, 16, {86, 54, 28}, {146, 104, 66}, {232, 212, 168}},     // sergeants: brown, chevrons
    {17, 30, {26, 42, 104}, {78, 100, 170}, {214, 222, 238}},   // lieutenants and captains: blue
    {31, 45, {14, 80, 82}, {62, 140, 138}, {212, 238, 232}},    // field officers: teal
    {46, 50, {112, 18, 22}, {172, 62, 58}, {246, 198, 62}},     // generals: red, gold stars
};

// A numbered series of ranks: rows first..first+grades-1, grade 1 upward.
struct RankSeries {
    int firstRow, grades;
};

// The numbered series; the last grade of each gets the gold emblem and frame.
constexpr RankSeries RankSeriesList[] = {
    {5, 3},  {8, 4},  {12, 5}, // staff, first-class and master sergeants
    {17, 4}, {21, 5}, {26, 5}, // second and first lieutenants, captains
    {31, 5}, {36, 5}, {41, 5}, // majors, lieutenant colonels, colonels
};

// Grade pips: `count` square dots on whole pixels, so that five of them stay countable.
void PaintPips(Canvas& canvas, int count, Rgb colour)
{
    int x0 = (IconSide - (3 * count - 1)) / 2;
    for (int k = 0; k < count; ++k)
        PaintRaised(canvas, Rect(x0 + 3 * k, 15, x0 + 3 * k + 2, 17), colour);
}

// Chevrons pointing up, `count` of them, centred above the pips.
void PaintChevrons(Canvas& canvas, int count, Rgb colour)
{
    double pitch = 3.2, rise = 4, thickness = 2.1;
    double top = 2 + (12.6 - (rise + thickness + (count - 1) * pitch)) / 2;
    for (int k = 0; k < count; ++k) {
        double y = top + k * pitch;
        PaintRaised(canvas,
                    PolygonShape({{3, y + rise},
                                  {10, y},
                                  {17, y + rise},
                                  {17, y + rise + thickness},
                                  {10, y + thickness},
                                  {3, y + rise + thickness}}),
                    colour);
    }
}

// Upright officer's bars, `count` of them side by side.
void PaintBars(Canvas& canvas, int count, Rgb colour)
{
    double width = 2.6, gap = 1.8;
    double x0 = 10 - (count * width + (count - 1) * gap) / 2;
    for (int k = 0; k < count; ++k) {
        double x = x0 + k * (width + gap);
        PaintRaised(canvas, Rect(x, 3, x + width, 12.5), colour);
        Paint(canvas, Rect(x, 3, x + 0.9, 12.5), {255, 255, 255}, 0.35);
    }
}

// Lozenges (upright diamonds), `count` of them side by side.
void PaintLozenges(Canvas& canvas, int count, Rgb colour)
{
    double half = count == 3 ? 2.6 : 3.2;
    double pitch = 2 * half + 0.8;
    double x0 = 10 - pitch * (count - 1) / 2;
    for (int k = 0; k < count; ++k) {
        double cx = x0 + k * pitch;
        PaintRaised(canvas, PolygonShape({{cx, 2.6}, {cx + half, 7.8}, {cx, 13}, {cx - half, 7.8}}), colour);
        Paint(canvas, PolygonShape({{cx, 4.6}, {cx + half * 0.45, 7.8}, {cx, 11}, {cx - half * 0.45, 7.8}}),
              Mix(colour, {0, 0, 0}, 0.3));
    }
}

// Generals' stars: one large star up to a ring of five.
void PaintStars(Canvas& canvas, int count, Rgb colour)
{
    if (count == 1) {
        PaintRaised(canvas, Star(10, 10.6, 7.4), colour);
        return;
    }
    double ring = count == 2 ? 4.3 : count == 5 ? 5.4 : 4.6;
    double size = count == 2 ? 4.4 : count == 5 ? 3.1 : 3.6;
    // Stars sit on a circle, the first at the top for odd counts, on the diagonals for four.
    double start = count == 2 ? 0 : count == 4 ? -Pi / 4 : -Pi / 2;
    for (int k = 0; k < count; ++k) {
        double angle = start + k * 2 * Pi / count;
        PaintRaised(canvas, Star(10 + ring * std::cos(angle), 10.4 + ring * std::sin(angle), size), colour);
    }
}

// The series and grade of a numbered rank; false for the unnumbered ones.
bool FindSeries(int row, int* series, int* grade)
{
    for (int s = 0; s < int(std::size(RankSeriesList)); ++s) {
        const RankSeries& list = RankSeriesList[s];
        if (row >= list.firstRow && row < list.firstRow + list.grades) {
            *series = s;
            *grade = row - list.firstRow + 1;
            return true;
        }
    }
    return false;
}

// Draws the insignia of one rank on a 20 × 20 canvas.
Canvas DrawRankIcon(int row)
{
    const RankGroup* group = &RankGroups[0];
    for (const RankGroup& g : RankGroups)
        if (row >= g.firstRow && row <= g.lastRow)
            group = &g;
    int series = -1, grade = 0;
    bool numbered = FindSeries(row, &series, &grade);
    bool top = numbered && grade == RankSeriesList[series].grades;
    Rgb emblem = top ? Gold : group->emblem;

    // The square: frame, then a fill that is lighter at the top, then an inner bevel.
    Canvas canvas = MakeCanvas(IconSide, IconSide, top ? GoldFrame : group->frame, 1);
    for (int y = 1; y < IconSide - 1; ++y)
        Paint(canvas, Rect(1, y, IconSide - 1, y + 1), Mix(group->fill, {255, 255, 255}, 0.10 - 0.012 * y));
    Paint(canvas, Rect(1, IconSide - 2, IconSide - 1, IconSide - 1), Shadow, 0.35);
    Paint(canvas, Rect(IconSide - 2, 1, IconSide - 1, IconSide - 1), Shadow, 0.35);
    if (top)
        Paint(canvas, Rect(1, 1, IconSide - 1, 2), GoldFrame, 0.45);

    // Inside a group the series mark grows (one, two, three) and the pips count the grade.
    int marks = series % 3 + 1;
    if (row <= 4) {
        // Enlisted: one bar per step, on whole pixels and centred.
        int bars = row + 1;
        int y0 = (IconSide - (3 * bars - 1)) / 2;
        for (int k = 0; k < bars; ++k)
            PaintRaised(canvas, Rect(4, y0 + 3 * k, 16, y0 + 3 * k + 2), emblem);
    } else if (row <= 16) {
        PaintChevrons(canvas, marks, emblem);
        PaintPips(canvas, grade, emblem);
    } else if (row <= 30) {
        PaintBars(canvas, marks, emblem);
        PaintPips(canvas, grade, emblem);
    } else if (row <= 45) {
        PaintLozenges(canvas, marks, emblem);
        PaintPips(canvas, grade, emblem);
    } else {
        PaintStars(canvas, row - 45, emblem);
    }
    return canvas;
}

// One complete 24-bit BMP file of a 20 × 20 icon, rows bottom-up.
Bytes BmpFile(const Canvas& canvas)
{
    Bytes out;
    PutText(out, "BM");
    PutLe(out, IconFileSize, 4);
    PutLe(out, 0, 2);
    PutLe(out, 0, 2);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, IconSide, 4);
    PutLe(out, IconSide, 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);
    PutLe(out, IconSide * IconSide * 3, 4);
    for (int field = 0; field < 4; ++field)
        PutLe(out, 0, 4);
    for (int y = IconSide - 1; y >= 0; --y)
        for (int x = 0; x < IconSide; ++x) {
            size_t i = static_cast<size_t>(y) * IconSide + x;
            out.push_back(ToByte(canvas.b[i]));
            out.push_back(ToByte(canvas.g[i]));
            out.push_back(ToByte(canvas.r[i]));
        }
    return out;
}

} // namespace

// The 51 icon files back to back, in rank order.
Bytes MakeRankIcons()
{
    Bytes out;
    for (int row = 0; row < RankCount; ++row) {
        Bytes file = BmpFile(DrawRankIcon(row));
        out.insert(out.end(), file.begin(), file.end());
    }
    return out;
}
