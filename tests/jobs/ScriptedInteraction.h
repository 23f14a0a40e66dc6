#pragma once
// Test helpers for the file job driver: an interaction that answers from a script and writes
// every prompt, box, display and job into a transcript (with the test folder shown as <dir>),
// running the jobs for real; and a fresh folder per test with plain files and containers.

#include "container/EncryptFile.h"
#include "jobs/AutoResetEvent.h"
#include "jobs/CFileJobInteraction.h"
#include "jobs/CWorkingProgressDlgThread.h"
#include "jobs/RunJob.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <optional>
#include <string>

class ScriptedInteraction final : public CFileJobInteraction {
public:
    explicit ScriptedInteraction(QString folder) : m_folder(std::move(folder)) {}

    // Answers in the order asked; a prompt beyond the script gets "pw", a question Yes.
    std::deque<std::optional<std::string>> passwords; // nothing: Cancel
    std::deque<bool> answers;                         // Yes/No and Retry/Cancel
    int cancelBeforeRun = 0;                          // 1 for the first job
    QStringList transcript;
    AutoResetEvent cancelEvent;

    bool PromptForPassword(std::string& password, bool confirm,
                           const std::string& prompt) override {
        Note(confirm ? "prompt+confirm: " : "prompt: ", prompt);
        std::optional<std::string> answer = "pw";
        if (!passwords.empty()) {
            answer = passwords.front();
            passwords.pop_front();
        }
        if (answer) {
            password = *answer;
        }
        return answer.has_value();
    }
    void ShowError(const std::string& text) override { Note("error: ", text); }
    bool AskYesNo(const std::string& text) override {
        Note("yes/no: ", text);
        return NextAnswer();
    }
    bool AskRetryCancel(const std::string& text) override {
        Note("retry/cancel: ", text);
        return NextAnswer();
    }
    void ShowInformation(const std::string& text) override { Note("info: ", text); }
    void SetJobDisplay(int mode, int progress, const std::string& path) override {
        Note(QString("display %1 %2: ").arg(mode).arg(progress), path);
    }
    ResultCode RunJob(int operation, const std::string& source, const std::string& output,
                      const std::string& password) override {
        Note(QString("run %1: ").arg(operation), source + " -> " + output + " with " + password);
        if (++m_nRuns == cancelBeforeRun) {
            cancelEvent.Set();
        }
        CWorkingProgressDlgThread worker(cancelEvent, operation, source, output, password);
        return ::RunJob(worker, {});
    }

private:
    void Note(const QString& kind, const std::string& text) {
        transcript << kind + QString::fromStdString(text).replace(m_folder, "<dir>");
    }
    bool NextAnswer() {
        if (answers.empty()) {
            return true;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString m_folder;
    int m_nRuns = 0;
};

class TestFolder {
public:
    // No '.' in the folder's path, so that only the names decide the direction.
    TestFolder() : m_dir(QDir::tempPath() + "/qmxjobs-XXXXXX") {}

    [[nodiscard]] bool IsUsable() const { return m_dir.isValid() && !m_dir.path().contains('.'); }
    [[nodiscard]] QString Path() const { return m_dir.path(); }
    [[nodiscard]] std::string PathOf(const QString& name) const {
        return m_dir.filePath(name).toStdString();
    }

    std::string Write(const QString& name, const QByteArray& content) const {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(content);
        }
        return path.toStdString();
    }

    // A container of content at name, made with password; no plain file is left beside it.
    std::string WriteContainer(const QString& name, const QByteArray& content,
                               const std::string& password) const {
        const std::string plain = Write(name + ".plain", content);
        const std::string container = PathOf(name);
        struct : ProgressSink {
            std::uint32_t ReportProgress(std::uint32_t, std::uint32_t) override { return 0; }
        } sink;
        const ResultCode result = EncryptFile(plain, container, &password, sink);
        QFile::remove(QString::fromStdString(plain));
        return result == RC_OK ? container : std::string();
    }

    [[nodiscard]] QByteArray Read(const QString& name) const {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Every entry, hidden ones included, sorted by name.
    [[nodiscard]] QStringList Entries() const {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    QTemporaryDir m_dir;
};
