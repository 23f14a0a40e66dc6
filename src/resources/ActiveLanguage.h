#pragma once
// The process-wide interface language every lookup without an explicit
// language uses. Set once at start-up; English until then.

#include <cstdint>

void SetActiveLanguage(std::uint16_t langId);
std::uint16_t ActiveLanguage();
