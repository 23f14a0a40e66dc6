#pragma once
// String-table lookup by id: each language of the fallback chain is tried in
// turn, so a text a translation lacks comes from the next language that has
// it. An id found in none of them yields an empty string.

#include <cstdint>
#include <string>

// In the active language.
std::string LoadText(std::uint32_t id);
std::string LoadText(std::uint32_t id, std::uint16_t langId);
