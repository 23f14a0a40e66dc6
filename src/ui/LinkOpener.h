#pragma once
// Hands a link target to the user's desktop, as the shell's "open" verb did:
// a web address goes to the browser, a local path to its program. A target
// that cannot be opened is ignored silently. Tests may put their own opener
// in place to see the targets instead of launching anything.

#include <QString>
#include <functional>

using LinkOpener = std::function<void(const QString& target)>;

void OpenLinkTarget(const QString& target);

// Returns the opener it replaces; an empty opener restores the desktop's.
LinkOpener ReplaceLinkOpener(LinkOpener opener);
