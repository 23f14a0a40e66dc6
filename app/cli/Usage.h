#pragma once
// The texts of --help and --version, the tool's own and in English.

#include <string>

[[nodiscard]] std::string UsageText();
[[nodiscard]] std::string VersionText();
// The short hint after a usage error.
[[nodiscard]] std::string UsageHint();
