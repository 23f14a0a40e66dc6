#include "ui/AppTitle.h"

#include "platform/Locale.h"
#include "resources/LoadText.h"

#include <optional>

namespace {

constexpr std::uint32_t kApplicationTitleId = 57344;

std::optional<QString>& ChosenTitle() {
    static std::optional<QString> title;
    return title;
}

} // namespace

QString ApplicationTitle() {
    auto& title = ChosenTitle();
    if (!title) {
        title = QString::fromStdString(LoadText(kApplicationTitleId, UserDefaultUILanguage()));
    }
    return *title;
}

void SetApplicationTitle(const QString& title) {
    ChosenTitle() = title;
}
