// JPEG pictures through libjpeg, called directly.
#pragma once

#include <cstddef>

// Decodes a JPEG file held in memory into malloc'd 8-bit RGB rows, top-down,
// width × 3 bytes each. Returns the buffer (the caller frees it) or nullptr
// when the data is no JPEG libjpeg can decode; never exits the process.
unsigned char* DecodeJpeg(const unsigned char* data, std::size_t size, int* width, int* height);
