// The files the generator writes, each produced as bytes.
#pragma once

#include "tools/drawing.h"

// The 51 rank icons: complete 20 × 20 24-bit BMP files of 1254 bytes, back to back.
Bytes MakeRankIcons();
// The background: baseline JPEG, 800 × 600, 4:2:2, metadata segments ahead of the frame.
Bytes MakeBackgroundJpeg();
// The program icon: an ICO file with one 24 × 24 image at 32 bits.
Bytes MakeAppIcon();
// The Windows application manifest.
Bytes MakeManifest();
// The Windows resource script naming the icon and the manifest.
Bytes MakeResourceScript();
