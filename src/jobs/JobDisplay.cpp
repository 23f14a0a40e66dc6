#include "jobs/JobDisplay.h"

#include "jobs/JobCodes.h"
#include "jobs/JobStringIds.h"
#include "jobs/PathCompactPathEx.h"
#include "resources/LoadText.h"

JobDisplay JobDisplayFor(int mode, int progress, const std::string& path) {
    JobDisplay display{
        {}, true, true, progress, PathCompactPathEx(QString::fromStdString(path), kShownPathChars)};
    if (mode == JOB_ENCRYPT) {
        display.status = LoadText(kEncryptingStatusId);
    } else if (progress != 0) {
        display.status = LoadText(kDecryptingStatusId);
    } else {
        display.status = LoadText(kInitialisingStatusId);
        display.cancelEnabled = false;
        display.showBar = false;
    }
    return display;
}
