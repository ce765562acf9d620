#include "platform/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

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

// 32-bit pixels in the byte order of the machine's 0xAARRGGBB words.
constexpr J_COLOR_SPACE PixelLayout = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? JCS_EXT_BGRX : JCS_EXT_XRGB;

} // namespace

// The jump only crosses libjpeg's C frames and this one, which holds plain C
// objects: no destructor is skipped. The destination belongs to the caller.
bool DecodeJpeg(const unsigned char* data, std::size_t size, JpegDestination destination, void* context)
{
    if (!data || !destination || size < 4 || size > 0xFFFFFFFFu)
        return false;
    jpeg_decompress_struct info;
    ErrorTrap trap;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = JumpBack;
    trap.manager.output_message = StaySilent;
    if (setjmp(trap.back)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = PixelLayout;
    jpeg_start_decompress(&info);
    std::size_t stride = 0;
    unsigned char* first = destination(context, static_cast<int>(info.output_width),
                                       static_cast<int>(info.output_height), &stride);
    if (!first) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = first + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}
