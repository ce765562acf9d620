#include "platform/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// libjpeg's own error handler ends the process; ours jumps back instead.
struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

void JumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->back, 1);
}

void StaySilent(j_common_ptr) {}

} // namespace

// Only plain C objects live in this frame, so the long jump skips no destructor.
unsigned char* DecodeJpeg(const unsigned char* data, std::size_t size, int* width, int* height)
{
    if (!data || size < 4 || size > 0xFFFFFFFFu)
        return nullptr;
    jpeg_decompress_struct info;
    ErrorTrap trap;
    unsigned char* volatile pixels = nullptr;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = JumpBack;
    trap.manager.output_message = StaySilent;
    if (setjmp(trap.back)) {
        jpeg_destroy_decompress(&info);
        std::free(pixels);
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t stride = std::size_t(info.output_width) * 3;
    pixels = static_cast<unsigned char*>(std::malloc(stride * info.output_height));
    if (!pixels) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    *width = static_cast<int>(info.output_width);
    *height = static_cast<int>(info.output_height);
    jpeg_destroy_decompress(&info);
    return pixels;
}
