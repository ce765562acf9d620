#include "platform/registry.h"

#include <QGuiApplication>
#include <QScreen>

// The character height, not the cell height, is the size in points scaled by
// the display's vertical pixels per inch: 20 points are 27 pixels at 96 DPI.
int LoadFont(int number, const std::string& face, int points)
{
    EnsureToolkit();
    FreeFont(number);
    if (face.empty() || points <= 0)
        return 0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    QFont font(ToQString(face));
    font.setPixelSize(static_cast<int>(points * dpi / 72.0 + 0.5));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    Registry.fonts[number] = font;
    return 1;
}

void FreeFont(int number)
{
    Registry.fonts.erase(number);
}

int FontPixelHeight(int number)
{
    const auto found = Registry.fonts.find(number);
    return found == Registry.fonts.end() ? 0 : found->second.pixelSize();
}
