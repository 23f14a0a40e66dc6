#pragma once
// Runs the built qmx as a user would: in a folder of the test's own, in a new
// session (so without a controlling terminal), with its standard streams in
// files, with English as the language unless a case sets LANG or a setting,
// and with HOME and XDG_CONFIG_HOME inside the test's folder.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

struct QmxCall {
    std::vector<std::string> arguments;
    std::string input;
    std::map<std::string, std::string> environment; // replaces the defaults
};

struct QmxRun {
    int status = -1; // the exit status, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

class QmxProcess {
public:
    // ioFolder keeps the streams' files and is HOME; workingFolder is the current folder.
    QmxProcess(const std::filesystem::path& ioFolder, const std::filesystem::path& workingFolder,
               const QmxCall& call);
    ~QmxProcess();
    QmxProcess(const QmxProcess&) = delete;
    QmxProcess& operator=(const QmxProcess&) = delete;

    [[nodiscard]] bool Running();
    // Stops the process (SIGSTOP) and waits until it is stopped; false when it
    // had ended already.
    [[nodiscard]] bool Stop();
    void Signal(int signal);
    // Waits until the process has ended and collects what it wrote.
    QmxRun Wait();

private:
    void Ended(int status);

    std::filesystem::path ioFolder_;
    pid_t pid_ = -1;
    int status_ = 0;
};

QmxRun RunQmx(const std::filesystem::path& ioFolder, const std::filesystem::path& workingFolder,
              const QmxCall& call);

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);
