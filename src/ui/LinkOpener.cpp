#include "ui/LinkOpener.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace {

void OpenOnDesktop(const QString& target) {
    // fromUserInput takes addresses and local paths alike, as the shell did.
    static_cast<void>(QDesktopServices::openUrl(QUrl::fromUserInput(target)));
}

LinkOpener& CurrentOpener() {
    static LinkOpener opener;
    return opener;
}

} // namespace

void OpenLinkTarget(const QString& target) {
    if (const LinkOpener& opener = CurrentOpener()) {
        opener(target);
    } else {
        OpenOnDesktop(target);
    }
}

LinkOpener ReplaceLinkOpener(LinkOpener opener) {
    return std::exchange(CurrentOpener(), std::move(opener));
}
