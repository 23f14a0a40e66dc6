#pragma once
// A string-table text of the active language as a QString; empty when no language has the id.

#include <QString>
#include <cstdint>

[[nodiscard]] QString LoadUiText(std::uint32_t id);
