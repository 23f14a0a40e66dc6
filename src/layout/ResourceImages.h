#pragma once
// The compiled-in icon groups and bitmaps as Qt images. An icon carries every
// size of its group, so Qt picks the best one for any size asked; an id that is
// no icon or bitmap gives a null icon or pixmap.

#include <QIcon>
#include <QPixmap>
#include <cstdint>

QIcon LoadIconGroup(std::uint16_t id);
QPixmap LoadBitmapResource(std::uint16_t id);
