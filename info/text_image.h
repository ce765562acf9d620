// Text turned into pictures for the info box: a centred caption on an image
// and a word-wrapped text on a sprite, each replacing what its number held.
#pragma once

#include "platform/platform.h"

#include <string>

// A colour as the renderers hand it to the platform: its three channels put
// back together, which clears bits 24 to 31 and swaps nothing.
Colour RebuiltColour(Colour colour);

// Makes image `imageNo`, width × height, showing `text` centred in fontNo and
// textColour over backColour. Returns 0.
int RenderCaptionImage(int imageNo, int width, int height, const std::string& text, int fontNo, Colour textColour,
                       Colour backColour);

// Makes sprite `spriteNo`, `width` wide and as high as the text needs, showing
// `text` word-wrapped in fontNo and textColour over backColour; `height` only
// sets the top margin of the measuring pass. Needs an open screen; without
// one, or when the sprite cannot be made, no sprite is left. Returns 0.
int RenderTextSprite(int spriteNo, int width, int height, const std::string& text, int fontNo, Colour textColour,
                     Colour backColour);
