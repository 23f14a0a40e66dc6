#pragma once
// The text of the error box for a result code, in the active language: the
// caller's lead-in inside the code's reason, then "(0x%08X)\n" with the code;
// a code without a reason gets the generic two-line text instead.

#include "container/ResultCode.h"

#include <string>
#include <string_view>

// Empty when no box is to be shown: success, or a text the table lacks.
std::string ComposeResultMessage(std::string_view leadIn, ResultCode code);
