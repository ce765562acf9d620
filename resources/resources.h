// The files the program carries inside the executable, each addressed by the
// location of its first byte. The bytes come from the committed files in this
// directory (written by tools/make_resources.cpp) and are turned into arrays
// at build time.
#pragma once

#include <cstddef>

// The 51 rank icons, complete 24-bit BMP files of 20 × 20 back to back in rank order.
extern const unsigned char RankIconFiles[];
extern const std::size_t RankIconFilesSize;
// The picture behind the main window: a baseline JPEG of 800 × 600.
extern const unsigned char BackgroundPicture[];
extern const std::size_t BackgroundPictureSize;
// The program icon: an ICO file with one 24 × 24 image at 32 bits.
extern const unsigned char AppIconFile[];
extern const std::size_t AppIconFileSize;

// Bytes of one rank icon file: icon r starts RankIconFileSize · r bytes after icon 0.
constexpr std::size_t RankIconFileSize = 1254;
// Number of ranks, and so of rank icons.
constexpr int RankCount = 51;
