// JPEG pictures through libjpeg(-turbo), called directly.
#pragma once

#include <cstddef>

// Where decoded rows go: called once the size is known, it returns the first
// row of a w × h destination of 32-bit pixels (blue, green, red, 0xFF bytes
// on little-endian machines) and the distance between rows, or nullptr.
using JpegDestination = unsigned char* (*)(void* context, int width, int height, std::size_t* stride);

// Decodes a JPEG file held in memory straight into the destination, so the
// picture exists once. Returns false when the data is no JPEG libjpeg can
// decode or no destination was given; never exits the process.
bool DecodeJpeg(const unsigned char* data, std::size_t size, JpegDestination destination, void* context);
