#pragma once
// encrypt-message and decrypt-message: a text from standard input sealed into
// its armoured message, or the first armoured message of a text opened, with
// the result written to standard output byte for byte.

#include "CommandLine.h"

[[nodiscard]] int RunEncryptMessage(const CommandLine& line);
// A message whose sender asked for the viewer is not written out: its notice
// goes to standard error and the status is kExitViewerRequired.
[[nodiscard]] int RunDecryptMessage(const CommandLine& line);
