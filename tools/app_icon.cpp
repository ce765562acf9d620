#include "tools/resource_art.h"

#include "tools/drawing.h"

namespace {

constexpr int AppIconSide = 24;

// The program icon: a gold star on a dark green shield with a gold rim, transparent around it.
Canvas DrawAppIcon()
{
    Canvas canvas = MakeCanvas(AppIconSide, AppIconSide, {0, 0, 0}, 0);
    auto shield = [](double inset) {
        return PolygonShape({{2 + inset, 1 + inset},
                             {22 - inset, 1 + inset},
                             {22 - inset, 12},
                             {20 - inset * 0.7, 17},
                             {12, 23 - inset * 1.3},
                             {4 + inset * 0.7, 17},
                             {2 + inset, 12}});
    };
    Paint(canvas, shield(0), {196, 150, 44});
    Paint(canvas, shield(2), {22, 58, 30});
    Paint(canvas, Rect(4, 3, 20, 8), {255, 255, 255}, 0.06);
    Paint(canvas, Moved(Star(12, 11.5, 7), 0.6, 0.7), Shadow, 0.6);
    Paint(canvas, Star(12, 11.5, 7), Gold);
    Paint(canvas, PolygonShape(StarPoints(12, 11.5, 3.2, 1.3)), {255, 236, 160}, 0.55);
    return canvas;
}

} // namespace

// An ICO file holding one 24 × 24 image at 32 bits: BGRA bottom-up, then the AND mask.
Bytes MakeAppIcon()
{
    Canvas canvas = DrawAppIcon();
    constexpr int ColourBytes = AppIconSide * AppIconSide * 4;
    constexpr int MaskRowBytes = (AppIconSide + 31) / 32 * 4;
    constexpr int MaskBytes = MaskRowBytes * AppIconSide;
    constexpr int ImageBytes = 40 + ColourBytes + MaskBytes;
    Bytes out;
    PutLe(out, 0, 2);
    PutLe(out, 1, 2); // an icon, not a cursor
    PutLe(out, 1, 2);
    out.push_back(AppIconSide);
    out.push_back(AppIconSide);
    out.push_back(0); // no palette
    out.push_back(0);
    PutLe(out, 1, 2);
    PutLe(out, 32, 2);
    PutLe(out, ImageBytes, 4);
    PutLe(out, 6 + 16, 4);

    PutLe(out, 40, 4);
    PutLe(out, AppIconSide, 4);
    PutLe(out, AppIconSide * 2, 4); // colour and mask stacked
    PutLe(out, 1, 2);
    PutLe(out, 32, 2);
    PutLe(out, 0, 4);
    PutLe(out, ColourBytes + MaskBytes, 4);
    for (int field = 0; field < 4; ++field)
        PutLe(out, 0, 4);
    Bytes mask;
    for (int y = AppIconSide - 1; y >= 0; --y) {
        Bytes maskRow(MaskRowBytes, 0);
        for (int x = 0; x < AppIconSide; ++x) {
            size_t i = static_cast<size_t>(y) * AppIconSide + x;
            double a = canvas.a[i];
            // Icon colours are stored straight, not premultiplied.
            double k = a > 0 ? 1 / a : 0;
            out.push_back(ToByte(canvas.b[i] * k));
            out.push_back(ToByte(canvas.g[i] * k));
            out.push_back(ToByte(canvas.r[i] * k));
            out.push_back(ToByte(a * 255));
            if (ToByte(a * 255) == 0)
                maskRow[x / 8] |= 0x80 >> (x % 8);
        }
        mask.insert(mask.end(), maskRow.begin(), maskRow.end());
    }
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}
