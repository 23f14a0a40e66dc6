#include "CommandLine.h"

#include "OutputNames.h"

#include <array>

namespace {

enum Option : unsigned {
    kPasswordFile = 1,
    kForce = 2,
    kOutput = 4,
    kViewer = 8,
};

struct CommandRule {
    std::string_view name;
    Command command;
    unsigned options;
    bool takesFiles;
};

constexpr std::array<CommandRule, 5> kCommands = {{
    {"encrypt", Command::Encrypt, kPasswordFile | kForce | kOutput, true},
    {"decrypt", Command::Decrypt, kPasswordFile | kForce | kOutput, true},
    {"verify", Command::Verify, 0, true},
    {"encrypt-message", Command::EncryptMessage, kPasswordFile | kViewer, false},
    {"decrypt-message", Command::DecryptMessage, kPasswordFile, false},
}};

const CommandRule* FindCommand(std::string_view name) {
    for (const CommandRule& rule : kCommands) {
        if (rule.name == name) {
            return &rule;
        }
    }
    return nullptr;
}

ParsedCommandLine Accepted(Command command) {
    CommandLine line;
    line.command = command;
    return {std::move(line), {}};
}

ParsedCommandLine Refused(std::string error) {
    return {std::nullopt, std::move(error)};
}

class OptionReader {
public:
    OptionReader(const CommandRule& rule, std::span<const std::string_view> arguments)
        : rule_(rule), arguments_(arguments) {}

    // Empty when every argument was taken.
    std::string Read(CommandLine& line);

private:
    std::string ReadOne(std::string_view argument, CommandLine& line);
    std::string TakeValue(std::string_view option, std::optional<std::string>& value);
    bool Allowed(Option option) const { return (rule_.options & option) != 0; }

    const CommandRule& rule_;
    std::span<const std::string_view> arguments_;
    std::size_t next_ = 0;
    bool onlyFiles_ = false;
};

std::string OptionReader::Read(CommandLine& line) {
    while (next_ < arguments_.size()) {
        const std::string_view argument = arguments_[next_++];
        if (onlyFiles_ || argument == "-" || !argument.starts_with('-')) {
            line.files.emplace_back(argument);
            continue;
        }
        if (std::string error = ReadOne(argument, line); !error.empty()) {
            return error;
        }
    }
    return {};
}

std::string OptionReader::ReadOne(std::string_view argument, CommandLine& line) {
    if (argument == "--") {
        onlyFiles_ = true;
        return {};
    }
    if (argument == "--force" && Allowed(kForce)) {
        line.force = true;
        return {};
    }
    if (argument == "--viewer" && Allowed(kViewer)) {
        line.viewer = true;
        return {};
    }
    if ((argument == "-o" || argument == "--output") && Allowed(kOutput)) {
        return TakeValue(argument, line.output);
    }
    if (argument == "--password-file" && Allowed(kPasswordFile)) {
        return TakeValue(argument, line.passwordFile);
    }
    if (argument.starts_with("--password-file=") && Allowed(kPasswordFile)) {
        line.passwordFile = std::string(argument.substr(argument.find('=') + 1));
        return {};
    }
    return "unknown option for " + std::string(rule_.name) + ": " + std::string(argument);
}

std::string OptionReader::TakeValue(std::string_view option, std::optional<std::string>& value) {
    if (next_ == arguments_.size()) {
        return std::string(option) + " needs a value";
    }
    if (value) {
        return std::string(option) + " is given twice";
    }
    value = std::string(arguments_[next_++]);
    return {};
}

// What only the whole command line can tell.
std::string CheckFiles(const CommandRule& rule, const CommandLine& line) {
    if (!rule.takesFiles) {
        return line.files.empty() ? std::string{} : std::string(rule.name) + " takes no FILE";
    }
    if (line.files.empty()) {
        return std::string(rule.name) + " needs at least one FILE";
    }
    if (line.output && line.files.size() > 1) {
        return "-o names the output of one FILE only";
    }
    if (line.command == Command::Decrypt && !line.output) {
        for (const std::string& file : line.files) {
            if (!DecryptedOutputPath(file)) {
                return "cannot name the output of " + file + " (no .qmx extension): use -o";
            }
        }
    }
    return {};
}

bool AsksFor(std::span<const std::string_view> arguments, std::string_view option) {
    for (const std::string_view argument : arguments) {
        if (argument == "--") {
            return false;
        }
        if (argument == option) {
            return true;
        }
    }
    return false;
}

} // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments) {
    if (arguments.empty()) {
        return Refused("no command given");
    }
    if (AsksFor(arguments, "--help") || AsksFor(arguments, "-h")) {
        return Accepted(Command::Help);
    }
    if (arguments.front() == "--version") {
        return Accepted(Command::Version);
    }
    const CommandRule* rule = FindCommand(arguments.front());
    if (rule == nullptr) {
        return Refused("unknown command: " + std::string(arguments.front()));
    }
    CommandLine line;
    line.command = rule->command;
    std::string error = OptionReader(*rule, arguments.subspan(1)).Read(line);
    if (error.empty()) {
        error = CheckFiles(*rule, line);
    }
    if (!error.empty()) {
        return Refused(std::move(error));
    }
    return {std::move(line), {}};
}
