#pragma once
// The tool's arguments: a command, its options and its files, checked in full
// before anything runs, so that a usage error never leaves half a batch done.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class Command { Encrypt, Decrypt, Verify, EncryptMessage, DecryptMessage, Help, Version };

struct CommandLine {
    Command command = Command::Help;
    std::optional<std::string> passwordFile;
    std::optional<std::string> output;
    bool force = false;
    bool viewer = false;
    std::vector<std::string> files;
};

struct ParsedCommandLine {
    std::optional<CommandLine> commandLine;
    std::string error; // why not, when commandLine is empty
};

// `arguments` without the program name.
[[nodiscard]] ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments);
