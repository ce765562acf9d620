#include "platform/jpeg_decoder.h"
#include "platform/registry.h"


namespace {

bool IsBmp(const unsigned char* data, std::size_t size)
{
    return size >= 2 && data[0] == 'B' && data[1] == 'M';
}

bool IsJpeg(const unsigned char* data, std::size_t size)
{
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
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
    if (IsBmp(data, size))
        picture = QImage::fromData(data, static_cast<int>(size), "BMP");
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
