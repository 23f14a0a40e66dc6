#include "ui/LoadUiText.h"

#include "resources/LoadText.h"

QString LoadUiText(std::uint32_t id) {
    return QString::fromStdString(LoadText(id));
}
