#include "resources/Bitmap.h"

#include "resources/EmbeddedFiles.h"

BitmapImage FindBitmap(std::uint16_t id) {
    if (id == IDB_LOGO) {
        return {249, 36, EmbeddedLogoBanner()};
    }
    return {0, 0, {}};
}
