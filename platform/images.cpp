#include "platform/jpeg_decoder.h"
#include "platform/registry.h"

#include <cstdlib>
#include <cstring>

namespace {

bool IsBmp(const unsigned char* data, std::size_t size)
{
    return size >= 2 && data[0] == 'B' && data[1] == 'M';
}

bool IsJpeg(const unsigned char* data, std::size_t size)
{
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

// Copies decoded RGB rows into a 24-bit image that owns its pixels.
QImage FromJpeg(const unsigned char* data, std::size_t size)
{
    int width = 0, height = 0;
    unsigned char* rows = DecodeJpeg(data, size, &width, &height);
    if (!rows)
        return {};
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        std::memcpy(picture.scanLine(y), rows + std::size_t(y) * width * 3, std::size_t(width) * 3);
    std::free(rows);
    return picture;
}

} // namespace

int DecodeImage(int number, const unsigned char* data, std::size_t size)
{
    FreeImage(number);
    if (!data)
        return 0;
    QImage picture;
    if (IsBmp(data, size))
        picture = QImage::fromData(data, static_cast<int>(size), "BMP");
    else if (IsJpeg(data, size) && Registry.jpegReady)
        picture = FromJpeg(data, size);
    if (picture.isNull())
        return 0;
    Registry.images[number] = picture.convertToFormat(QImage::Format_RGB32);
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
