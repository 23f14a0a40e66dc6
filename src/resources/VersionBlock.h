#pragma once
// The program's version block, compiled in: the fixed file and product
// versions as the two double words each that Windows keeps (major and minor in
// the high and low word of MS, then the third and fourth part in LS), and the
// string table 040904E4 in UTF-8. The file version is the build's own.

#include <cstdint>
#include <string_view>

inline constexpr std::string_view kLegalNotice = "Copyright © 2026 Brellic. All rights reserved.";

struct VersionBlock {
    std::uint32_t dwFileVersionMS;
    std::uint32_t dwFileVersionLS;
    std::uint32_t dwProductVersionMS;
    std::uint32_t dwProductVersionLS;

    std::string_view companyName;
    std::string_view fileDescription;
    std::string_view fileVersion;
    std::string_view internalName;
    std::string_view legalCopyright;
    std::string_view legalTrademarks;
    std::string_view originalFilename;
    std::string_view productName;
    std::string_view productVersion;
};

const VersionBlock& ProgramVersionBlock();
