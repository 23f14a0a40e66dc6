#include "layout/ResourceImages.h"

#include "resources/Bitmap.h"
#include "resources/IconGroup.h"

#include <span>

namespace {

QPixmap PixmapFromPng(std::span<const std::uint8_t> png) {
    QPixmap pixmap;
    pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG");
    return pixmap;
}

} // namespace

QIcon LoadIconGroup(std::uint16_t id) {
    QIcon icon;
    for (const IconImage& image : FindIconGroup(id)) {
        icon.addPixmap(PixmapFromPng(image.png));
    }
    return icon;
}

QPixmap LoadBitmapResource(std::uint16_t id) {
    return PixmapFromPng(FindBitmap(id).png);
}
