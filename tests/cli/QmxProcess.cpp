#include "QmxProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

bool IsManaged(std::string_view entry) {
    const std::string_view name = entry.substr(0, entry.find('='));
    return name == "LANG" || name == "LANGUAGE" || name.starts_with("LC_") || name == "HOME" ||
           name == "XDG_CONFIG_HOME";
}

std::vector<std::string> ChildEnvironment(const std::filesystem::path& home, const QmxCall& call) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!IsManaged(*entry)) {
            entries.emplace_back(*entry);
        }
    }
    std::map<std::string, std::string> managed = {
        {"HOME", home.string()},
        {"XDG_CONFIG_HOME", (home / "config").string()},
        {"LANG", "C.UTF-8"},
    };
    for (const auto& [name, value] : call.environment) {
        managed[name] = value;
    }
    for (const auto& [name, value] : managed) {
        entries.push_back(name + "=" + value);
    }
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void BecomeQmx(const char* folder, const char* in, const char* out, const char* err,
                            char** argv, char** envp) {
    setsid();
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    sigaction(SIGINT, &defaultAction, nullptr);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    const int streams[] = {open(in, O_RDONLY), open(out, O_WRONLY | O_CREAT | O_TRUNC, 0600),
                           open(err, O_WRONLY | O_CREAT | O_TRUNC, 0600)};
    for (int fd = 0; fd < 3; ++fd) {
        if (streams[fd] < 0 || dup2(streams[fd], fd) < 0) {
            _exit(126);
        }
    }
    if (chdir(folder) != 0) {
        _exit(126);
    }
    execve(QMX_EXECUTABLE, argv, envp);
    _exit(127);
}

} // namespace

QmxProcess::QmxProcess(const std::filesystem::path& ioFolder,
                       const std::filesystem::path& workingFolder, const QmxCall& call)
    : ioFolder_(ioFolder) {
    WriteWholeFile(ioFolder / "stdin", call.input);
    std::vector<std::string> arguments = {"qmx"};
    arguments.insert(arguments.end(), call.arguments.begin(), call.arguments.end());
    std::vector<std::string> environment = ChildEnvironment(ioFolder, call);
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    const std::string folder = workingFolder.string();
    const std::string in = (ioFolder / "stdin").string();
    const std::string out = (ioFolder / "stdout").string();
    const std::string err = (ioFolder / "stderr").string();
    pid_ = fork();
    if (pid_ == 0) {
        BecomeQmx(folder.c_str(), in.c_str(), out.c_str(), err.c_str(), argv.data(), envp.data());
    }
    if (pid_ < 0) {
        throw std::runtime_error("fork failed");
    }
}

QmxProcess::~QmxProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void QmxProcess::Ended(int status) {
    pid_ = -1;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool QmxProcess::Running() {
    int status = 0;
    if (pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) {
        Ended(status);
    }
    return pid_ > 0;
}

bool QmxProcess::Stop() {
    if (pid_ <= 0) {
        return false;
    }
    kill(pid_, SIGSTOP);
    int status = 0;
    while (waitpid(pid_, &status, WUNTRACED) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("waitpid failed");
        }
    }
    if (WIFSTOPPED(status)) {
        return true;
    }
    Ended(status);
    return false;
}

void QmxProcess::Signal(int signal) {
    if (pid_ > 0) {
        kill(pid_, signal);
    }
}

QmxRun QmxProcess::Wait() {
    int status = 0;
    while (pid_ > 0) {
        if (waitpid(pid_, &status, 0) == pid_) {
            Ended(status);
        } else if (errno != EINTR) {
            throw std::runtime_error("waitpid failed");
        }
    }
    QmxRun run;
    run.status = status_;
    run.out = ReadWholeFile(ioFolder_ / "stdout");
    run.err = ReadWholeFile(ioFolder_ / "stderr");
    return run;
}

QmxRun RunQmx(const std::filesystem::path& ioFolder, const std::filesystem::path& workingFolder,
              const QmxCall& call) {
    QmxProcess process(ioFolder, workingFolder, call);
    return process.Wait();
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
