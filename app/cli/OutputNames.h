#pragma once
// The names of outputs: a container is named like its source with ".qmx"
// appended; a plain file like its container cut at the path's last '.', when
// the four characters from there read ".qmx" in any letter case (report.QMX,
// report.qmxold and data.qmx/file give report, report and data).

#include <optional>
#include <string>
#include <string_view>

[[nodiscard]] std::string EncryptedOutputPath(std::string_view sourcePath);

// Nothing when the path has no such extension, or nothing but a folder is
// left before it.
[[nodiscard]] std::optional<std::string> DecryptedOutputPath(std::string_view containerPath);
