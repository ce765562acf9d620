#include "tools/resource_art.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// jpeglib.h expects FILE and size_t to be declared already.
#include <jpeglib.h>

#include "tools/drawing.h"
#include "tools/jpeg_metadata.h"

namespace {

constexpr int PictureWidth = 800;
constexpr int PictureHeight = 600;
constexpr int PictureQuality = 92;

// A fixed pseudo-random value in -1..1 for a pixel; film grain that is the same every run.
double Grain(int x, int y)
{
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 32767.5 - 1;
}

// Height of the imaginary terrain whose contour lines the picture shows.
double Terrain(double x, double y)
{
    struct Hill {
        double x, y, radius, height;
    };
    static constexpr Hill Hills[] = {
        {180, 260, 150, 3.2}, {560, 190, 190, 4.1}, {660, 470, 130, 2.6}, {320, 500, 170, -2.2},
        {430, 340, 90, 1.4},  {80, 520, 120, 1.8},  {760, 80, 110, -1.5}, {260, 110, 100, -1.9},
    };
    double h = 0.6 * std::sin(x / 97.0) * std::cos(y / 131.0) + 0.35 * std::sin((x + y) / 71.0);
    for (const Hill& hill : Hills) {
        double dx = x - hill.x, dy = y - hill.y;
        h += hill.height * std::exp(-(dx * dx + dy * dy) / (2 * hill.radius * hill.radius));
    }
    return h;
}

// 0..1: how strongly a contour line of the terrain passes through (x, y); every fifth line is heavier.
double Contour(double x, double y, bool* index)
{
    constexpr double Step = 0.42;
    double v = Terrain(x, y) / Step;
    double gx = (Terrain(x + 0.5, y) - Terrain(x - 0.5, y)) / Step;
    double gy = (Terrain(x, y + 0.5) - Terrain(x, y - 0.5)) / Step;
    double slope = std::max(std::hypot(gx, gy), 1e-6);
    double nearest = std::round(v);
    double distance = std::fabs(v - nearest) / slope; // in pixels
    *index = static_cast<long>(nearest) % 5 == 0;
    double width = *index ? 0.9 : 0.55;
    return std::clamp(width + 0.5 - distance, 0.0, 1.0);
}

// Distance from a point to a segment.
double SegmentDistance(Point p, Point a, Point b)
{
    double dx = b.x - a.x, dy = b.y - a.y;
    double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// 0..1: how strongly the outline of a polygon passes through a point.
double Outline(const std::vector<Point>& polygon, Point p, double width)
{
    double d = 1e9;
    for (size_t i = 0; i < polygon.size(); ++i)
        d = std::min(d, SegmentDistance(p, polygon[i], polygon[(i + 1) % polygon.size()]));
    return std::clamp(width / 2 + 0.5 - d, 0.0, 1.0);
}

// The background: a dark map table, contour lines and grid in deep green under a
// faint star, darkest at the edges and in the top band where the controls stand.
std::vector<unsigned char> DrawBackground()
{
    std::vector<unsigned char> rgb(size_t(PictureWidth) * PictureHeight * 3);
    const std::vector<Point> star = StarPoints(400, 345, 230, 230 * 0.42);
    const std::vector<Point> innerStar = StarPoints(400, 345, 212, 212 * 0.42);
    const Rgb glow{9, 15, 11}, line{10, 44, 20}, grid{6, 30, 14}, emblem{30, 44, 22}, rule{58, 62, 30};
    for (int y = 0; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x) {
            double nx = (x - 400.0) / 400.0, ny = (y - 330.0) / 300.0;
            double vignette = std::clamp(1.15 - 0.85 * (nx * nx + ny * ny), 0.0, 1.0);
            Rgb c = Mix({0, 0, 0}, glow, vignette);

            bool index = false;
            double contour = Contour(x, y, &index);
            c = Mix(c, line, contour * (index ? 0.75 : 0.45) * vignette);

            bool major = x % 100 == 0 || y % 100 == 0;
            if (x % 25 == 0 || y % 25 == 0)
                c = Mix(c, grid, (major ? 0.8 : 0.35) * vignette);

            Point p{x + 0.5, y + 0.5};
            double starLine = std::max(Outline(star, p, 2.0), 0.6 * Outline(innerStar, p, 1.0));
            c = Mix(c, emblem, starLine * (0.4 + 0.6 * vignette));

            if (y < 70) {
                // Quieter behind the controls, with a thin rule that frames the band above the list.
                c = Mix(c, {0, 0, 0}, 0.55);
                double fade = std::clamp(1.3 - std::fabs(nx) * 1.1, 0.0, 1.0);
                if (y < 64)
                    c = Mix(c, glow, fade * std::pow(y / 64.0, 3) * 0.9);
                if (y == 64)
                    c = Mix(c, rule, 0.8 * fade);
                if (y == 65)
                    c = Mix(c, rule, 0.25 * fade);
            }

            double grain = 2.2 * Grain(x, y);
            size_t i = (size_t(y) * PictureWidth + x) * 3;
            rgb[i] = ToByte(c.r + grain);
            rgb[i + 1] = ToByte(c.g + grain);
            rgb[i + 2] = ToByte(c.b + grain);
        }
    return rgb;
}

} // namespace

// The background as a baseline JPEG: 4:2:2, two tables, one scan, metadata ahead of the frame.
Bytes MakeBackgroundJpeg()
{
    std::vector<unsigned char> rgb = DrawBackground();
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = PictureWidth;
    cinfo.image_height = PictureHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, PictureQuality, TRUE);
    cinfo.write_JFIF_header = FALSE; // the Exif block comes first instead
    cinfo.optimize_coding = FALSE;
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.comp_info[0].h_samp_factor = 2;
    cinfo.comp_info[0].v_samp_factor = 1;
    for (int c = 1; c < 3; ++c)
        cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;

    jpeg_start_compress(&cinfo, TRUE);
    for (const Bytes& block : {ExifBlock(), XmpBlock()})
        jpeg_write_marker(&cinfo, JPEG_APP0 + 1, block.data(), block.size());
    Bytes icc = IccBlock();
    jpeg_write_marker(&cinfo, JPEG_APP0 + 2, icc.data(), icc.size());
    Bytes photoshop = PhotoshopBlock();
    jpeg_write_marker(&cinfo, JPEG_APP0 + 13, photoshop.data(), photoshop.size());
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &rgb[size_t(cinfo.next_scanline) * PictureWidth * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}
