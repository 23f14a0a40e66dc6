#pragma once
// The file job driver: one batch of dropped paths, in drop order, each encrypted or decrypted
// as one job, with one password per direction remembered for the batch, the output cleared
// first, failures reported and a summary at the end. A cancelled job and a source path too long
// to encrypt end the batch at once. It never removes an existing output: the job's safe output
// replaces it only once complete, so a refused, failed or cancelled job leaves it as it was.

#include "container/ResultCode.h"
#include "jobs/CFileJobInteraction.h"

#include <string>
#include <vector>

class CFileJobDriver {
public:
    enum class OutputDecision { GoOn = 2, Skip = 20 };

    explicit CFileJobDriver(CFileJobInteraction& host) : m_host(host) {}
    ~CFileJobDriver();
    CFileJobDriver(const CFileJobDriver&) = delete;
    CFileJobDriver& operator=(const CFileJobDriver&) = delete;

    // The whole batch; when it returns, the batch is over and its window may close.
    void OnStartJobs(const std::vector<std::string>& paths);

    // Whether the job may write output: asks before an existing non-empty file is replaced.
    [[nodiscard]] OutputDecision PrepareOutput(const std::string& output);
    // Whether the job's output can take the place of the file at path, which stays until
    // then; offers Retry while it cannot.
    [[nodiscard]] OutputDecision RemoveExistingOutput(const std::string& path);
    void ShowSummary();

private:
    enum class PathOutcome { Next, EndBatch };

    [[nodiscard]] bool RunPaths(const std::vector<std::string>& paths);
    PathOutcome ProcessPath(const std::string& source);
    PathOutcome DecryptPath(const std::string& source, const std::string& output);
    PathOutcome EncryptPath(const std::string& source);
    bool ObtainDecryptionPassword(const std::string& source, bool& reused);
    bool ObtainEncryptionPassword(const std::string& source);
    PathOutcome ConcludeJob(int operation, ResultCode result, const std::string& source,
                            const std::string& output);
    void ShowResultMessage(const std::string& leadIn, ResultCode code);
    void ForgetPasswords();

    CFileJobInteraction& m_host;
    int m_nFileCount = 0;
    int m_nEncrypted = 0;
    int m_nDecrypted = 0;
    std::string m_strLastOutput;
    std::string m_strEncryptionPassword;
    std::string m_strDecryptionPassword;
};
