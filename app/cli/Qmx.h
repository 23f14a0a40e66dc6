#pragma once
// The whole run of the qmx tool: language, Ctrl+C, arguments, then the command.

[[nodiscard]] int RunQmx(int argc, char** argv);
