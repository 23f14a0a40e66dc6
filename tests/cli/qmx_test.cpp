#include "QmxProcess.h"
#include "container/Armour.h"
#include "container/EncryptFile.h"
#include "resources/ActiveLanguage.h"
#include "resources/ComposeResultMessage.h"
#include "resources/FormatText.h"
#include "resources/LoadText.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr int kUsage = 64;
constexpr int kViewerRequired = 77;
constexpr std::uint16_t kGerman = 1031;

std::string SamplePlainText() {
    std::string text;
    for (int i = 0; i < 5000; ++i) {
        text += static_cast<char>(i * 31 + 7);
    }
    return text;
}

std::string FileFailure(std::uint32_t leadInId, const fs::path& path, ResultCode code) {
    return ComposeResultMessage(FormatText(LoadText(leadInId), path.string()), code);
}

std::string EncryptFailure(const fs::path& path, ResultCode code) {
    return FileFailure(128, path, code);
}

std::string DecryptFailure(const fs::path& path, ResultCode code) {
    return FileFailure(127, path, code);
}

class QmxTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "qmx_cli_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        fs::create_directories(data_ = root_ / "data");
        fs::create_directories(io_ = root_ / "io");
        WriteWholeFile(passwordFile_ = io_ / "password", "Tr0ub4dor&3\n");
        WriteWholeFile(wrongPasswordFile_ = io_ / "wrong", "tr0ub4dor&3\n");
    }
    void TearDown() override { fs::remove_all(root_); }

    QmxRun Run(std::vector<std::string> arguments, std::string input = {},
               std::map<std::string, std::string> environment = {}) {
        return RunQmx(io_, data_, {std::move(arguments), std::move(input), std::move(environment)});
    }

    // With the right password unless another file is named.
    QmxRun RunWithPassword(const std::string& command, std::vector<std::string> rest,
                           std::string input = {}, const fs::path* passwordFile = nullptr) {
        std::vector<std::string> arguments = {command, "--password-file",
                                              (passwordFile ? *passwordFile : passwordFile_)};
        arguments.insert(arguments.end(), rest.begin(), rest.end());
        return Run(std::move(arguments), std::move(input));
    }

    fs::path Plain(const std::string& name, const std::string& content = SamplePlainText()) {
        WriteWholeFile(data_ / name, content);
        return data_ / name;
    }

    // A container of the sample text, made by the tool itself.
    fs::path Container(const std::string& name) {
        const fs::path plain = Plain("made.bin");
        EXPECT_EQ(RunWithPassword("encrypt", {"made.bin"}).status, 0);
        fs::rename(data_ / "made.bin.qmx", data_ / name);
        fs::remove(plain);
        return data_ / name;
    }

    std::vector<std::string> DataEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(data_)) {
            names.push_back(entry.path().filename().string());
        }
        std::ranges::sort(names);
        return names;
    }

    fs::path root_, data_, io_, passwordFile_, wrongPasswordFile_;
};

TEST_F(QmxTest, EncryptVerifyDecryptRoundTrip) {
    Plain("a.txt");
    Plain("b.txt", "second file\r\n");
    const QmxRun encrypted = RunWithPassword("encrypt", {"a.txt", "b.txt"});
    EXPECT_EQ(encrypted.status, 0);
    EXPECT_EQ(encrypted.err, "");
    EXPECT_EQ(Run({"verify", "a.txt.qmx", "b.txt.qmx"}).status, 0);

    fs::remove(data_ / "a.txt");
    fs::remove(data_ / "b.txt");
    const QmxRun decrypted = RunWithPassword("decrypt", {"a.txt.qmx", "b.txt.qmx"});
    EXPECT_EQ(decrypted.status, 0);
    EXPECT_EQ(decrypted.err, "");
    EXPECT_EQ(ReadWholeFile(data_ / "a.txt"), SamplePlainText());
    EXPECT_EQ(ReadWholeFile(data_ / "b.txt"), "second file\r\n");
}

struct NameCase {
    const char* container;
    std::vector<std::string> options;
    const char* output;
};

TEST_F(QmxTest, DecryptedOutputsAreNamedByTheDropRule) {
    fs::create_directories(data_ / "data.qmx");
    const NameCase cases[] = {
        {"report.QMX", {}, "report"},
        {"report.Qmx", {}, "report"},
        {"report.qmxold", {}, "report"},
        {"data.qmx/file", {}, "data"},
        {"archive.bin", {"-o", "restored.txt"}, "restored.txt"},
        {"named.qmx", {"-o", "elsewhere"}, "elsewhere"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.container);
        Container(c.container);
        std::vector<std::string> rest = c.options;
        rest.emplace_back(c.container);
        EXPECT_EQ(RunWithPassword("decrypt", rest).status, 0);
        EXPECT_EQ(ReadWholeFile(data_ / c.output), SamplePlainText());
        fs::remove(data_ / c.output);
    }
}

TEST_F(QmxTest, EncryptWritesToTheNamedOutput) {
    Plain("a.txt");
    EXPECT_EQ(RunWithPassword("encrypt", {"-o", "sealed", "a.txt"}).status, 0);
    EXPECT_EQ(DataEntries(), (std::vector<std::string>{"a.txt", "sealed"}));
    EXPECT_EQ(RunWithPassword("decrypt", {"-o", "back.txt", "sealed"}).status, 0);
    EXPECT_EQ(ReadWholeFile(data_ / "back.txt"), SamplePlainText());
}

TEST_F(QmxTest, PasswordFileGivesItsFirstLineWithoutTheLineEnd) {
    const fs::path crlf = io_ / "crlf";
    const fs::path bare = io_ / "bare";
    WriteWholeFile(crlf, "Tr0ub4dor&3\r\nsecond line\n");
    WriteWholeFile(bare, "Tr0ub4dor&3");
    Plain("a.txt");
    EXPECT_EQ(RunWithPassword("encrypt", {"a.txt"}, {}, &crlf).status, 0);
    EXPECT_EQ(RunWithPassword("decrypt", {"-o", "b.txt", "a.txt.qmx"}, {}, &bare).status, 0);
    EXPECT_EQ(ReadWholeFile(data_ / "b.txt"), SamplePlainText());
}

class NoProgress : public ProgressSink {
public:
    std::uint32_t ReportProgress(std::uint32_t, std::uint32_t) override { return 0; }
};

// "Grüße" in Windows-1252, as the password of a container made on Windows.
TEST_F(QmxTest, PasswordIsConvertedToTheCodePageOfTheLocale) {
    const fs::path plain = Plain("a.txt");
    const std::string windowsPassword = "Gr\xFC\xDF"
                                        "e";
    NoProgress progress;
    ASSERT_EQ(EncryptFile(plain.string(), (data_ / "a.qmx").string(), &windowsPassword, progress),
              RC_OK);
    const fs::path utf8Password = io_ / "umlaut";
    WriteWholeFile(utf8Password, "Grüße\n");
    const std::vector<std::string> arguments = {"decrypt", "--password-file", utf8Password,
                                                "-o",      "b.txt",           "a.qmx"};
    // Windows-1251 has neither letter: both become '?'.
    EXPECT_EQ(Run(arguments, {}, {{"LANG", "ru_RU.UTF-8"}}).status, RC_WRONG_PASSWORD);
    EXPECT_EQ(Run(arguments, {}, {{"LANG", "de_DE.UTF-8"}}).status, 0);
    EXPECT_EQ(ReadWholeFile(data_ / "b.txt"), SamplePlainText());
}

TEST_F(QmxTest, WrongPasswordShowsTheErrorBoxText) {
    Container("a.qmx");
    const QmxRun run = RunWithPassword("decrypt", {"a.qmx"}, {}, &wrongPasswordFile_);
    EXPECT_EQ(run.status, RC_WRONG_PASSWORD);
    EXPECT_EQ(run.err, DecryptFailure("a.qmx", RC_WRONG_PASSWORD));
    EXPECT_EQ(DataEntries(), std::vector<std::string>{"a.qmx"});
}

TEST_F(QmxTest, DamagedContainerFailsVerifyAndDecrypt) {
    const fs::path container = Container("a.qmx");
    std::string bytes = ReadWholeFile(container);
    bytes[bytes.size() - 10] ^= 0x01;
    WriteWholeFile(data_ / "damaged.qmx", bytes);

    const QmxRun verify = Run({"verify", "damaged.qmx", "a.qmx"});
    EXPECT_EQ(verify.status, RC_CORRUPT);
    EXPECT_EQ(verify.err, DecryptFailure("damaged.qmx", RC_CORRUPT));
    const QmxRun decrypt = RunWithPassword("decrypt", {"damaged.qmx"});
    EXPECT_EQ(decrypt.status, RC_CORRUPT);
    EXPECT_EQ(DataEntries(), (std::vector<std::string>{"a.qmx", "damaged.qmx"}));
}

TEST_F(QmxTest, ExistingOutputIsReplacedOnlyWithForce) {
    Plain("a.txt");
    Plain("b.txt");
    WriteWholeFile(data_ / "a.txt.qmx", "keep me");

    const QmxRun refused = RunWithPassword("encrypt", {"a.txt", "b.txt"});
    EXPECT_EQ(refused.status, RC_OUTPUT_FAILED);
    EXPECT_EQ(refused.err, EncryptFailure("a.txt", RC_OUTPUT_FAILED));
    EXPECT_EQ(ReadWholeFile(data_ / "a.txt.qmx"), "keep me");
    EXPECT_TRUE(fs::exists(data_ / "b.txt.qmx")); // the batch went on

    const QmxRun forced = RunWithPassword("encrypt", {"--force", "a.txt"});
    EXPECT_EQ(forced.status, 0);
    EXPECT_EQ(Run({"verify", "a.txt.qmx"}).status, 0);
}

TEST_F(QmxTest, FolderIsRefusedAndTheBatchGoesOn) {
    fs::create_directories(data_ / "folder");
    Plain("a.txt");
    const QmxRun run = RunWithPassword("encrypt", {"folder", "a.txt"});
    EXPECT_EQ(run.status, RC_BAD_ARGUMENT);
    EXPECT_EQ(run.err, LoadText(106) + "\n");
    EXPECT_TRUE(fs::exists(data_ / "a.txt.qmx"));
    EXPECT_FALSE(fs::exists(data_ / "folder.qmx"));
}

TEST_F(QmxTest, UsageErrorsChangeNothing) {
    Plain("a.txt");
    const std::string password = passwordFile_.string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"shred", "a.txt"},
        {"encrypt", "--password-file", password},
        {"encrypt", "--password-file"},
        {"encrypt", "--password-file", password, "--viewer", "a.txt"},
        {"encrypt", "--password-file", password, "-o", "x", "a.txt", "a.txt"},
        {"decrypt", "--password-file", password, "a.txt"},
        {"verify", "--force", "a.txt"},
        {"encrypt-message", "--password-file", password, "a.txt"},
        {"encrypt", "a.txt"}, // no password file and no terminal
        {"encrypt", "--password-file", (io_ / "missing").string(), "a.txt"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const QmxRun run = Run(arguments, "text");
        EXPECT_EQ(run.status, kUsage);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("qmx: ")) << run.err;
        EXPECT_EQ(DataEntries(), std::vector<std::string>{"a.txt"});
    }
}

TEST_F(QmxTest, MessagesRoundTripThroughStandardStreams) {
    const std::string text = "Привет!\r\nこんにちは。\nMeet at 10.";
    const QmxRun sealed = RunWithPassword("encrypt-message", {}, text);
    EXPECT_EQ(sealed.status, 0);
    EXPECT_EQ(sealed.err, "");
    EXPECT_TRUE(sealed.out.starts_with(std::string(kArmourBeginMarker) + "\r\n" + LoadText(123)));
    EXPECT_TRUE(sealed.out.ends_with("\n\r\n" + std::string(kArmourEndMarker)));

    const QmxRun opened = RunWithPassword("decrypt-message", {}, "Forwarded:\n" + sealed.out);
    EXPECT_EQ(opened.status, 0);
    EXPECT_EQ(opened.out, text);

    const QmxRun empty = RunWithPassword("encrypt-message", {}, "");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
}

TEST_F(QmxTest, MessageFailuresShowTheErrorBoxText) {
    const std::string sealed = RunWithPassword("encrypt-message", {}, "secret words").out;
    const QmxRun wrong = RunWithPassword("decrypt-message", {}, sealed, &wrongPasswordFile_);
    EXPECT_EQ(wrong.status, RC_WRONG_PASSWORD);
    EXPECT_EQ(wrong.out, "");
    EXPECT_EQ(wrong.err, ComposeResultMessage(LoadText(120), RC_WRONG_PASSWORD));

    // Found without asking for a password, as the window's Decrypt button.
    const QmxRun none = Run({"decrypt-message"}, "no armour here");
    EXPECT_EQ(none.status, RC_BAD_FORMAT);
    EXPECT_EQ(none.err, ComposeResultMessage(LoadText(120), RC_BAD_FORMAT));
}

TEST_F(QmxTest, ViewerMessageIsNotWrittenOut) {
    const QmxRun sealed = RunWithPassword("encrypt-message", {"--viewer"}, "for your eyes only");
    ASSERT_EQ(sealed.status, 0);
    const QmxRun opened = RunWithPassword("decrypt-message", {}, sealed.out);
    EXPECT_EQ(opened.status, kViewerRequired);
    EXPECT_EQ(opened.out, "");
    EXPECT_EQ(opened.err, LoadText(124) + "\n");
}

struct LanguageCase {
    const char* what;
    std::map<std::string, std::string> environment;
    const char* settings; // the window's settings file, or null
};

TEST_F(QmxTest, SpeaksTheLanguageTheWindowWouldStartIn) {
    fs::create_directories(data_ / "folder");
    const LanguageCase cases[] = {
        {"locale", {{"LANG", "de_DE.UTF-8"}}, nullptr},
        {"setting over the locale", {{"LANG", "C.UTF-8"}}, "[Localisation]\nLangID=1031\n"},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.settings != nullptr) {
            fs::create_directories(io_ / "config" / "Brellic");
            WriteWholeFile(io_ / "config" / "Brellic" / "Quiralis Reader.conf", c.settings);
        }
        const QmxRun run = Run({"verify", "folder"}, {}, c.environment);
        EXPECT_EQ(run.err, LoadText(106, kGerman) + "\n");
        EXPECT_NE(LoadText(106, kGerman), LoadText(106));
    }
}

constexpr std::uintmax_t kBodyChunk = 1310700;

// The first entry of the data folder besides `source`: the output being written.
std::optional<fs::path> NewEntry(const fs::path& folder, const std::string& source) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename() != source) {
            return entry.path();
        }
    }
    return std::nullopt;
}

// The signal arrives while the process is stopped with at least two chunks of
// the body unwritten, so a progress report follows it whatever the speed of
// the machine; a try that comes too late (a very busy machine) is repeated.
TEST_F(QmxTest, InterruptCancelsAndLeavesNoOutput) {
    constexpr std::uintmax_t kSize = 32u << 20;
    Plain("big.bin", std::string(kSize, 'x'));
    for (int attempt = 0; attempt < 5; ++attempt) {
        QmxProcess process(io_, data_,
                           {{"encrypt", "--password-file", passwordFile_, "big.bin"}, {}, {}});
        std::optional<fs::path> output;
        while (!(output = NewEntry(data_, "big.bin")) && process.Running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::error_code error;
        const bool stopped = output && process.Stop();
        const std::uintmax_t written = stopped ? fs::file_size(*output, error) : kSize;
        if (stopped && !error && written + 3 * kBodyChunk < kSize) {
            process.Signal(SIGINT);
            process.Signal(SIGCONT);
            const QmxRun run = process.Wait();
            EXPECT_EQ(run.status, RC_CANCELLED);
            EXPECT_EQ(run.err, "");
            EXPECT_EQ(DataEntries(), std::vector<std::string>{"big.bin"});
            return;
        }
        process.Signal(SIGCONT);
        (void)process.Wait();
        fs::remove(data_ / "big.bin.qmx");
    }
    FAIL() << "qmx never ran long enough to be interrupted";
}

TEST_F(QmxTest, HelpAndVersion) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help"}, {"encrypt", "--help"}}) {
        const QmxRun help = Run(arguments);
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.starts_with("Usage: qmx encrypt")) << help.out;
        EXPECT_EQ(help.err, "");
    }
    const QmxRun version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "qmx (Quiralis Reader) 3.1.0.41\n");
}

} // namespace
