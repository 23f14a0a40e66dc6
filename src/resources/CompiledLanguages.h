#pragma once
// Every language whose resources are compiled into the program, found by its
// exact LANGID (no fallback here).

#include "resources/LanguageResources.h"

#include <cstdint>
#include <span>

std::span<const LanguageResources* const> CompiledLanguages();

// Null when no record carries exactly this LANGID.
const LanguageResources* FindLanguageResources(std::uint16_t langId);
