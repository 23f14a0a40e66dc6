// English (neutral sub-language): the complete set every other language
// falls back to.

#include "resources/LanguageResources.h"

namespace {

constexpr StringEntry kStrings[] = {
    {101, "&About Quiralis Reader..."},
    {102, R"(Decrypting File "%s")"},
    {103, "------QMX BEGIN MSG------"},
    {104, "-------QMX END MSG-------"},
    {105, "Encrypted with Quiralis."},
    {106, "Error. Encryption/Decryption of folders is not supported."},
    {107, "%s due to an error."},
    {108, "%s because it is not a supported or valid format."},
    {109, "%s because the password is incorrect."},
    {110, "%s because it uses an encryption key."},
    {111, "%s because the data is corrupt or invalid."},
    {112, R"(%s.
The error returned was %08X.)"},
    {113, R"(%s because the output file could not be created.

Please ensure the output location is not read only and that the output file does not exist.)"},
    {114, R"(Enter password to decrypt file "%s" with.)"},
    {115, R"(Enter a password to encrypt file "%s" with.)"},
    {116, "Are you sure you wish to exit?"},
    {117, "Enter a password to decrypt the message."},
    {118, "Enter a password to encrypt the message."},
    {119, "Decrypting Message"},
    {120, "The text could not be decrypted"},
    {121, "%s because the source file is empty."},
    {122, "%s because the file is an unsupported size. (Larger than 4GB)."},
    {123, "Encrypted with Quiralis."},
    {124, R"(The sender of this message has opted to use the Force Viewer option.
Therefore this message will now be opened in the Viewer.)"},
    {125, R"(File "%s" already exists.

Do you want to replace it?)"},
    {126, "There was a problem deleting file %s."},
    {127, R"(File "%s" could not be decrypted)"},
    {128, R"(File "%s" could not be encrypted)"},
    {129, "Enter a password to encrypt files with."},
    {130, R"(Encrypting File "%s")"},
    {131, R"(Error. The source path is too long to add the ".qmx" extension.

("%s"))"},
    {132, "%d files encrypted successfully."},
    {133, "%d files decrypted successfully."},
    {134, "%d files processed successfully."},
    {135, R"(File encrypted as "%s".)"},
    {136, R"(File decrypted as "%s".)"},
    {137, "%s due to a low memory condition."},
    {138, "The text could not be encrypted"},
    {139, "Encrypting file.."},
    {140, "Decrypting file.."},
    {141, "Initialising.."},
    {142, "Visit Quiralis Website"},
    {143, "https://quiralis.example/reader"},
    {57344, "Quiralis Reader"},
};

} // namespace

constinit const LanguageResources g_languageEnglish{9, kStrings};
