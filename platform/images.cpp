#include "platform/jpeg_decoder.h"
#include "platform/registry.h"

#include <climits>
#include <cstdint>


namespace {

bool IsBmp(const unsigned char* data, std::size_t size)
{
    return size >= 2 && data[0] == 'B' && data[1] == 'M';
}

bool IsJpeg(const unsigned char* data, std::size_t size)
{
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

// Reads a 4-byte or 2-byte little-endian field of a BMP header.
uint32_t Field(const unsigned char* at, int bytes)
{
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | at[i];
    return value;
}

// The plain 24-bit uncompressed BMP every rank icon is, decoded directly:
// the toolkit's general reader costs more than the copy itself. Anything
// else returns a null image and goes to the general reader.
QImage FromPlainBmp(const unsigned char* data, std::size_t size)
{
    if (size < 54 || Field(data + 14, 4) < 40 || Field(data + 26, 2) != 1 || Field(data + 28, 2) != 24 ||
        Field(data + 30, 4) != 0)
        return {};
    const auto width = static_cast<int32_t>(Field(data + 18, 4));
    const auto height = static_cast<int32_t>(Field(data + 22, 4));
    const uint32_t offset = Field(data + 10, 4);
    if (width <= 0 || width > 4096 || height == 0 || height < -4096 || height > 4096)
        return {};
    const int rows = height < 0 ? -height : height;
    const std::size_t stride = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
    if (offset > size || stride * rows > size - offset)
        return {};
    QImage picture(width, rows, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    unsigned char* first = picture.bits();
    const auto targetStride = static_cast<std::size_t>(picture.bytesPerLine());
    for (int y = 0; y < rows; ++y) {
        // Rows are stored bottom-up unless the height is negative.
        const unsigned char* source = data + offset + stride * (height < 0 ? y : rows - 1 - y);
        auto* target = reinterpret_cast<QRgb*>(first + targetStride * y);
        for (int x = 0; x < width; ++x, source += 3)
            target[x] = qRgb(source[2], source[1], source[0]);
    }
    return picture;
}

// Decodes straight into a 32-bit image, the form every image here has.
QImage FromJpeg(const unsigned char* data, std::size_t size)
{
    QImage picture;
    const JpegDestination into = [](void* context, int width, int height, std::size_t* stride) -> unsigned char* {
        auto* image = static_cast<QImage*>(context);
        *image = QImage(width, height, QImage::Format_RGB32);
        *stride = static_cast<std::size_t>(image->bytesPerLine());
        return image->isNull() ? nullptr : image->bits();
    };
    return DecodeJpeg(data, size, into, &picture) ? picture : QImage();
}

} // namespace

int DecodeImage(int number, const unsigned char* data, std::size_t size)
{
    FreeImage(number);
    if (!data)
        return 0;
    QImage picture;
    if (IsBmp(data, size)) {
        picture = FromPlainBmp(data, size);
        if (picture.isNull() && size <= INT_MAX)
            picture = QImage::fromData(data, static_cast<int>(size), "BMP");
    }
    else if (IsJpeg(data, size) && Registry.jpegReady)
        picture = FromJpeg(data, size);
    if (picture.isNull())
        return 0;
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    Registry.images[number] = std::move(picture);
    return 1;
}

int CreateImage(int number, int width, int height, int)
{
    FreeImage(number);
    if (width <= 0 || height <= 0)
        return 0;
    QImage picture(width, height, QImage::Format_RGB32);
    if (picture.isNull())
        return 0;
    picture.fill(Qt::black);
    Registry.images[number] = picture;
    return 1;
}

void FreeImage(int number)
{
    const auto found = Registry.images.find(number);
    if (found == Registry.images.end())
        return;
    if (Registry.drawing.target == &found->second)
        StopDrawing();
    Registry.images.erase(found);
}

int IsImage(int number)
{
    return Registry.images.count(number) ? 1 : 0;
}

int ImageWidth(int number)
{
    const auto found = Registry.images.find(number);
    return found == Registry.images.end() ? 0 : found->second.width();
}

int ImageHeight(int number)
{
    const auto found = Registry.images.find(number);
    return found == Registry.images.end() ? 0 : found->second.height();
}

Colour ImagePixel(int number, int x, int y)
{
    const auto found = Registry.images.find(number);
    if (found == Registry.images.end() || !found->second.valid(x, y))
        return 0;
    return FromQColor(found->second.pixelColor(x, y));
}

int CountImages()
{
    return static_cast<int>(Registry.images.size());
}
