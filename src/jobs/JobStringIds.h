#pragma once
// The string-table ids the file jobs show, by their use.

#include <cstdint>

inline constexpr std::uint32_t kFolderNotSupportedId = 106;
inline constexpr std::uint32_t kDecryptPromptId = 114;
inline constexpr std::uint32_t kEncryptFilePromptId = 115;
inline constexpr std::uint32_t kAlreadyExistsId = 125;
inline constexpr std::uint32_t kDeleteProblemId = 126;
inline constexpr std::uint32_t kNotDecryptedId = 127;
inline constexpr std::uint32_t kNotEncryptedId = 128;
inline constexpr std::uint32_t kEncryptFilesPromptId = 129;
inline constexpr std::uint32_t kPathTooLongId = 131;
inline constexpr std::uint32_t kEncryptedCountId = 132;
inline constexpr std::uint32_t kDecryptedCountId = 133;
inline constexpr std::uint32_t kProcessedCountId = 134;
inline constexpr std::uint32_t kEncryptedAsId = 135;
inline constexpr std::uint32_t kDecryptedAsId = 136;
inline constexpr std::uint32_t kEncryptingStatusId = 139;
inline constexpr std::uint32_t kDecryptingStatusId = 140;
inline constexpr std::uint32_t kInitialisingStatusId = 141;
inline constexpr std::uint32_t kApplicationTitleId = 57344;
