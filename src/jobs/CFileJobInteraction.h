#pragma once
// What the file job driver asks of the window it runs in: prompts and boxes modal over that
// window, with the application title as caption, the job display, and the job itself. Texts
// and paths are UTF-8; passwords are the code-page bytes the password prompt produces.

#include "container/ResultCode.h"

#include <string>

class CFileJobInteraction {
public:
    virtual ~CFileJobInteraction() = default;

    // Writes password only when the user confirms; answers whether they did.
    virtual bool PromptForPassword(std::string& password, bool confirm,
                                   const std::string& prompt) = 0;
    // Error icon, OK.
    virtual void ShowError(const std::string& text) = 0;
    // Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // Retry and Cancel; true for Retry.
    virtual bool AskRetryCancel(const std::string& text) = 0;
    // Information icon, OK.
    virtual void ShowInformation(const std::string& text) = 0;

    virtual void SetJobDisplay(int mode, int progress, const std::string& path) = 0;
    // Returns once the job's worker has stopped; RC_CANCELLED when the user cancelled it.
    [[nodiscard]] virtual ResultCode RunJob(int operation, const std::string& source,
                                            const std::string& output,
                                            const std::string& password) = 0;
};
