#include "info/text_image.h"

#include "info/text_layout.h"

namespace {

// The line height of the selected font: the width of "Ny", by design not a height.
int SampleLineHeight()
{
    return TextWidth("Ny");
}

} // namespace

Colour RebuiltColour(Colour colour)
{
    const Colour red = colour & 0xFF;
    const Colour green = colour >> 8 & 0xFF;
    const Colour blue = colour >> 16 & 0xFF;
    return red + green * 256 + blue * 65536;
}

// Each half of the centring is truncated on its own, so an odd text width
// puts the caption one pixel right of true centre.
int RenderCaptionImage(int imageNo, int width, int height, const std::string& text, int fontNo, Colour textColour,
                       Colour backColour)
{
    const std::string copy = text;
    CreateImage(imageNo, width, height, 24);
    if (!StartDrawingOnImage(imageNo))
        return 0;
    FillBox(0, 0, width, height, backColour);
    UseTransparentText();
    SetFrontColour(RebuiltColour(textColour));
    SelectFont(fontNo);
    const int textWidth = TextWidth(copy);
    const int lineHeight = SampleLineHeight();
    DrawText(CentredStart(width, textWidth), CentredStart(height, lineHeight), copy);
    StopDrawing();
    return 0;
}

// Two passes of the same character loop: the first, on a scratch sprite of
// width × height, only measures how high the text runs; the second draws it
// on a sprite of exactly that height, starting a tenth of that height down.
int RenderTextSprite(int spriteNo, int width, int height, const std::string& text, int fontNo, Colour textColour,
                     Colour backColour)
{
    const std::u32string chars = PrepareLayoutText(text);
    if (!CreateSprite(spriteNo, width, height) || !StartDrawingOnSprite(spriteNo)) {
        FreeSprite(spriteNo);
        return 0;
    }
    SelectFont(fontNo);
    TextFrame frame = MeasuringFrame(width, height, SampleLineHeight());
    const int textHeight = RunCharacterLoop(chars, frame, TextWidth, nullptr);
    StopDrawing();
    FreeSprite(spriteNo);

    if (!CreateSprite(spriteNo, width, textHeight) || !StartDrawingOnSprite(spriteNo)) {
        FreeSprite(spriteNo);
        return 0;
    }
    SelectFont(fontNo);
    FillBox(0, 0, width, textHeight, backColour);
    UseTransparentText();
    SetFrontColour(RebuiltColour(textColour));
    frame.top = textHeight / 10;
    RunCharacterLoop(chars, frame, TextWidth, DrawText);
    StopDrawing();
    return 0;
}
