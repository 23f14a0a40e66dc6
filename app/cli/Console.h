#pragma once
// The tool's standard streams: input read whole, output written byte for byte,
// and texts for the user on standard error, each ended by a line break.

#include "SecretText.h"

#include <string_view>

enum class ReadOutcome { Complete, Failed, Cancelled };

// All of standard input; Cancelled when Ctrl+C interrupts the wait.
[[nodiscard]] ReadOutcome ReadStandardInput(SecretText& text);

[[nodiscard]] bool WriteStandardOutput(std::string_view bytes);

// Writes text to standard error, adding a line break unless it ends in one.
void ShowError(std::string_view text);
