#pragma once
// The password of the fuzz targets and of the seeds sealed for them: with it a
// seed opens, so the fuzzer reaches past the digests and the verifier.

#include <cstdint>
#include <span>
#include <string_view>

inline constexpr std::string_view kFuzzPassword = "fuzz-password";

// Any other password: the result of a damaged input must not depend on it.
inline constexpr std::string_view kOtherPassword = "not-the-password";

[[nodiscard]] inline std::span<const std::uint8_t> PasswordBytes(std::string_view password) {
    return {reinterpret_cast<const std::uint8_t*>(password.data()), password.size()};
}
