#include "layout/PlacementSettings.h"

#include "resources/StartupLanguage.h"

#include <optional>

namespace {

std::optional<QString>& ChosenTitle() {
    static std::optional<QString> title;
    return title;
}

} // namespace

void SetPlacementApplicationTitle(const QString& title) {
    ChosenTitle() = title;
}

QString PlacementApplicationTitle() {
    auto& title = ChosenTitle();
    if (!title) {
        // Fixed for the run, like the title the settings of the language are found under.
        title = QString::fromStdString(ChooseStartupLanguage().title);
    }
    return *title;
}

std::unique_ptr<QSettings> OpenPlacementSettings() {
    const QString title = PlacementApplicationTitle();
    if (title.isEmpty()) {
        return nullptr;
    }
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Brellic"), title);
}
