#include "jobs/CFileJobDriver.h"

#include "crypto/WipedBuffer.h"
#include "jobs/FileJobPaths.h"
#include "jobs/JobCodes.h"
#include "jobs/JobStringIds.h"
#include "platform/PathQueries.h"
#include "platform/SafeOutputFile.h"
#include "resources/ComposeResultMessage.h"
#include "resources/FormatText.h"
#include "resources/LoadText.h"

namespace {

void Forget(std::string& password) {
    WipeMemory(password.data(), password.size());
    password.clear();
}

// The job's safe output is made beside the output and renamed over it, so that is what must be
// possible; a read-only file is no obstacle to the rename.
bool CanReplace(const std::string& path) {
    SafeOutputFile probe = SafeOutputFile::Create(path);
    const bool possible = probe.IsOpen();
    probe.Abandon();
    return possible;
}

} // namespace

CFileJobDriver::~CFileJobDriver() {
    ForgetPasswords();
}

void CFileJobDriver::OnStartJobs(const std::vector<std::string>& paths) {
    m_strLastOutput.clear();
    m_nEncrypted = 0;
    m_nDecrypted = 0;
    ForgetPasswords();
    m_nFileCount = static_cast<int>(paths.size());
    if (RunPaths(paths)) {
        ShowSummary();
    }
    ForgetPasswords();
}

bool CFileJobDriver::RunPaths(const std::vector<std::string>& paths) {
    for (const std::string& source : paths) {
        if (ProcessPath(source) == PathOutcome::EndBatch) {
            return false;
        }
    }
    return true;
}

CFileJobDriver::PathOutcome CFileJobDriver::ProcessPath(const std::string& source) {
    // As on Windows, a path whose status cannot be read counts as a folder.
    const auto status = QueryPath(source);
    if (!status || status->isFolder) {
        m_host.ShowError(LoadText(kFolderNotSupportedId));
        return PathOutcome::Next;
    }
    if (const auto output = DecryptionOutputFor(source)) {
        return DecryptPath(source, *output);
    }
    return EncryptPath(source);
}

CFileJobDriver::PathOutcome CFileJobDriver::DecryptPath(const std::string& source,
                                                        const std::string& output) {
    // A retry with a prompted password must not ask again about an output already agreed to.
    bool outputPrepared = false;
    for (;;) {
        bool reused = false;
        if (!ObtainDecryptionPassword(source, reused)) {
            return PathOutcome::Next;
        }
        m_host.SetJobDisplay(JOB_DECRYPT, 0, output);
        if (!outputPrepared && PrepareOutput(output) != OutputDecision::GoOn) {
            return PathOutcome::Next;
        }
        outputPrepared = true;
        const ResultCode result =
            m_host.RunJob(JOB_DECRYPT, source, output, m_strDecryptionPassword);
        if (result == RC_WRONG_PASSWORD && reused) {
            Forget(m_strDecryptionPassword);
            continue;
        }
        return ConcludeJob(JOB_DECRYPT, result, source, output);
    }
}

bool CFileJobDriver::ObtainDecryptionPassword(const std::string& source, bool& reused) {
    reused = !m_strDecryptionPassword.empty();
    if (reused) {
        return true;
    }
    const std::string prompt = FormatText(LoadText(kDecryptPromptId), source);
    return m_host.PromptForPassword(m_strDecryptionPassword, false, prompt);
}

CFileJobDriver::PathOutcome CFileJobDriver::EncryptPath(const std::string& source) {
    if (Utf16Length(source) > kLongestEncryptableSource) {
        m_host.ShowError(FormatText(LoadText(kPathTooLongId), source));
        return PathOutcome::EndBatch;
    }
    const std::string output = EncryptionOutputFor(source);
    if (!ObtainEncryptionPassword(source)) {
        return PathOutcome::Next;
    }
    m_host.SetJobDisplay(JOB_ENCRYPT, 0, output);
    if (PrepareOutput(output) != OutputDecision::GoOn) {
        return PathOutcome::Next;
    }
    const ResultCode result = m_host.RunJob(JOB_ENCRYPT, source, output, m_strEncryptionPassword);
    return ConcludeJob(JOB_ENCRYPT, result, source, output);
}

bool CFileJobDriver::ObtainEncryptionPassword(const std::string& source) {
    if (m_strEncryptionPassword.empty()) {
        // The count covers every dropped path, folders and containers included.
        const std::string prompt = m_nFileCount == 1
                                       ? FormatText(LoadText(kEncryptFilePromptId), source)
                                       : LoadText(kEncryptFilesPromptId);
        // Only whether a password came back counts, not the prompt's answer.
        (void)m_host.PromptForPassword(m_strEncryptionPassword, true, prompt);
    }
    return !m_strEncryptionPassword.empty();
}

CFileJobDriver::PathOutcome CFileJobDriver::ConcludeJob(int operation, ResultCode result,
                                                        const std::string& source,
                                                        const std::string& output) {
    if (result == RC_CANCELLED) {
        return PathOutcome::EndBatch;
    }
    const bool encrypting = operation == JOB_ENCRYPT;
    if (result == RC_OK) {
        m_strLastOutput = output;
        ++(encrypting ? m_nEncrypted : m_nDecrypted);
        return PathOutcome::Next;
    }
    const std::uint32_t leadInId = encrypting ? kNotEncryptedId : kNotDecryptedId;
    ShowResultMessage(FormatText(LoadText(leadInId), source), result);
    return PathOutcome::Next;
}

void CFileJobDriver::ShowResultMessage(const std::string& leadIn, ResultCode code) {
    const std::string text = ComposeResultMessage(leadIn, code);
    if (!text.empty()) {
        m_host.ShowError(text);
    }
}

CFileJobDriver::OutputDecision CFileJobDriver::PrepareOutput(const std::string& output) {
    // Whether a file stands there, not whether it opens: one that cannot be read is still
    // not replaced unasked.
    if (!PathExists(output)) {
        return OutputDecision::GoOn;
    }
    const auto status = QueryPath(output);
    if (status && status->isFolder) {
        // Not a file to replace; the job reports that it cannot write there.
        return OutputDecision::GoOn;
    }
    const bool empty = status && status->size == 0;
    if (!empty && !m_host.AskYesNo(FormatText(LoadText(kAlreadyExistsId), output))) {
        return OutputDecision::Skip;
    }
    return RemoveExistingOutput(output);
}

CFileJobDriver::OutputDecision CFileJobDriver::RemoveExistingOutput(const std::string& path) {
    while (!CanReplace(path)) {
        if (!m_host.AskRetryCancel(FormatText(LoadText(kDeleteProblemId), path))) {
            return OutputDecision::Skip;
        }
    }
    return OutputDecision::GoOn;
}

void CFileJobDriver::ShowSummary() {
    std::string text;
    if (m_nEncrypted > 0 && m_nDecrypted > 0) {
        text = FormatText(LoadText(kProcessedCountId), m_nEncrypted + m_nDecrypted);
    } else if (m_nEncrypted == 1 || m_nDecrypted == 1) {
        const std::uint32_t id = m_nEncrypted == 1 ? kEncryptedAsId : kDecryptedAsId;
        text = FormatText(LoadText(id), m_strLastOutput);
    } else if (m_nEncrypted > 1) {
        text = FormatText(LoadText(kEncryptedCountId), m_nEncrypted);
    } else if (m_nDecrypted > 1) {
        text = FormatText(LoadText(kDecryptedCountId), m_nDecrypted);
    }
    if (!text.empty()) {
        m_host.ShowInformation(text);
    }
}

void CFileJobDriver::ForgetPasswords() {
    Forget(m_strEncryptionPassword);
    Forget(m_strDecryptionPassword);
}
