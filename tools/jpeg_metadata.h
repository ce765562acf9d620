// Metadata segments written ahead of the background's frame. The program never
// reads them; they make the file look like what a camera or editor would write.
#pragma once

#include "tools/drawing.h"

// APP1 payload: an Exif block with orientation, resolution and software.
Bytes ExifBlock();
// APP1 payload: an XMP packet naming the picture.
Bytes XmpBlock();
// APP2 payload: an ICC profile in one chunk.
Bytes IccBlock();
// APP13 payload: a Photoshop block with one IPTC caption.
Bytes PhotoshopBlock();
