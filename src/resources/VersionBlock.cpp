#include "resources/VersionBlock.h"

#include "ConfiguredVersion.h"

namespace {

constexpr std::uint32_t HighLow(std::uint16_t high, std::uint16_t low) {
    return (static_cast<std::uint32_t>(high) << 16) | low;
}

constexpr std::string_view kProgramFileName = "quiralis-reader";

constexpr VersionBlock kVersionBlock{
    .dwFileVersionMS = HighLow(kFileVersionMajor, kFileVersionMinor),
    .dwFileVersionLS = HighLow(kFileVersionRevision, kFileVersionBuild),
    // The product line's version, not the program's: it does not follow the build.
    .dwProductVersionMS = HighLow(1, 0),
    .dwProductVersionLS = HighLow(0, 1),
    .companyName = "Brellic",
    .fileDescription = "Quiralis Reader",
    .fileVersion = kFileVersionText,
    .internalName = kProgramFileName,
    .legalCopyright = kLegalNotice,
    .legalTrademarks = "Quiralis",
    .originalFilename = kProgramFileName,
    .productName = "Quiralis",
    .productVersion = "5",
};

} // namespace

const VersionBlock& ProgramVersionBlock() {
    return kVersionBlock;
}
