#include "resources/ActiveLanguage.h"

#include "resources/LanguageFallbackChain.h"

#include <atomic>

namespace {

// Atomic so that a worker thread reading a text never races the start-up.
std::atomic<std::uint16_t> g_activeLanguage{LANGID_ENGLISH};

} // namespace

void SetActiveLanguage(std::uint16_t langId) {
    g_activeLanguage.store(langId);
}

std::uint16_t ActiveLanguage() {
    return g_activeLanguage.load();
}
