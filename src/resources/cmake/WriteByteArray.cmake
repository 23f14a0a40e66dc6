# Script mode: writes the bytes of the file INPUT into OUTPUT as a C++ function
# FUNCTION that returns them, declared in resources/EmbeddedFiles.h.
#   cmake -DINPUT=... -DOUTPUT=... -DFUNCTION=... -P WriteByteArray.cmake

file(READ "${INPUT}" hex HEX)
if(hex STREQUAL "")
  message(FATAL_ERROR "${INPUT} is empty: a C++ array needs at least one byte")
endif()

# Sixteen bytes to a line, each written as 0xNN.
string(REPEAT "[0-9a-f]" 32 sixteen_bytes)
string(REGEX REPLACE "(${sixteen_bytes})" "\\1\n    " lines "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${lines}")
string(STRIP "${bytes}" bytes)

file(WRITE "${OUTPUT}" "// Generated at build time from ${INPUT}: do not edit.
#include \"resources/EmbeddedFiles.h\"

namespace {

constexpr std::uint8_t kBytes[] = {
    ${bytes}
};

} // namespace

std::span<const std::uint8_t> ${FUNCTION}() {
    return kBytes;
}
")
