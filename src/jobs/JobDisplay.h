#pragma once
// What the progress dialog shows for a job in one of its three displays: encrypting,
// decrypting, or a decryption still at progress 0 ("Initialising..", Cancel disabled, the bar
// left shown or hidden as it was). The file name is the output path shortened to 74 characters.

#include <QString>
#include <string>

struct JobDisplay {
    std::string status;
    bool cancelEnabled;
    bool showBar; // false: the bar keeps its visibility
    int position;
    QString fileName;
};

// The width of the file name label, as PathCompactPathEx counts it.
inline constexpr int kShownPathChars = 75;

[[nodiscard]] JobDisplay JobDisplayFor(int mode, int progress, const std::string& path);
