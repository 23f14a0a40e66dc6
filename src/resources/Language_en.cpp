// English (neutral sub-language): the complete set every other language
// falls back to.

#include "resources/ControlIds.h"
#include "resources/LanguageResources.h"
#include "resources/TemplateStyles.h"

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
    // A drop that holds locations which are not local files.
    {145, "These locations are not local files and were not opened:"},
    {57344, "Quiralis Reader"},
};

// clang-format off
// About box.
constexpr DialogControl kAboutControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle | WS_GROUP, 0, {223, 67, 50, 16}},
    {IDC_STATIC, "STATIC", "Copyright © 2026 Brellic. All rights reserved.", kTextStyle, 0,
     {39, 43, 233, 8}},
    {1014, "STATIC", "Licence Agreement", kTextStyle, 0, {39, 56, 233, 8}},
    {1012, "STATIC", "### Version Information ###", kTextStyle, 0, {39, 31, 146, 8}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {6, 7, 198, 21}, 144},
    {1010, "STATIC", "https://quiralis.example/reader", kTextStyle, 0, {39, 71, 173, 8}},
};

// Main window.
constexpr DialogControl kMainControls[] = {
    {1001, "RichEdit20W", "", kTextBoxStyle, 0, {7, 43, 369, 200}},
    {1008, "BUTTON", "&Encrypt", kPushButtonStyle, 0, {253, 5, 50, 14}},
    {1007, "BUTTON", "&Decrypt", kPushButtonStyle, 0, {303, 5, 50, 14}},
    {1015, "BUTTON", "&About", WS_CHILD | WS_TABSTOP, 0, {124, 25, 50, 14}},
    {1002, "BUTTON", "Test", WS_CHILD | WS_TABSTOP, 0, {175, 25, 50, 14}},
    {1004, "BUTTON", "&Copy All", kPushButtonStyle, 0, {226, 21, 50, 14}},
    {1005, "BUTTON", "&Paste", kPushButtonStyle, 0, {276, 21, 50, 14}},
    {1006, "BUTTON", "C&lear", kPushButtonStyle, 0, {326, 21, 50, 14}},
    {IDOK, "BUTTON", "E&xit", kPushButtonStyle, 0, {326, 246, 50, 14}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {7, 8, 166, 22}, 144},
    {1017, "STATIC",
     "Type or paste text or drop files into the window above to encrypt or decrypt.",
     kTextStyle, 0, {9, 248, 312, 18}},
};

// "Working.." box.
constexpr DialogControl kWorkingControls[] = {
    {1003, "STATIC", "Working..", kTextStyle, 0, {46, 12, 245, 36}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {12, 15, 21, 20}, 128},
};

// File progress dialog; Cancel starts disabled in English only.
constexpr DialogControl kProgressControls[] = {
    {1003, "STATIC", "##Encrypting/Decrypting File##", kTextStyle, 0, {30, 6, 248, 10}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {3, 6, 20, 20}, 128},
    {1004, "STATIC", "##Filename##", kTextStyle, 0, {30, 21, 248, 10}},
    {1018, "msctls_progress32", "", kProgressBarStyle, 0, {30, 36, 248, 14}},
    {IDCANCEL, "BUTTON", "&Cancel", kPushButtonStyle | WS_DISABLED, 0, {228, 56, 50, 14}},
};

// Password dialog.
constexpr DialogControl kPasswordControls[] = {
    {1002, "EDIT", "", kPasswordEditStyle, 0, {79, 58, 221, 14}},
    {1008, "EDIT", "", kPasswordEditStyle, 0, {79, 79, 221, 14}},
    {1016, "BUTTON", "Require recipient to use the Viewer", kCheckBoxStyle, 0, {7, 118, 167, 10}},
    {1009, "BUTTON", "&Show Typing", kCheckBoxStyle, 0, {206, 98, 93, 10}},
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {194, 114, 50, 14}},
    {IDCANCEL, "BUTTON", "Cancel", kPushButtonStyle, 0, {251, 114, 50, 14}},
    {1003, "STATIC", "Static", kTextStyle, 0, {37, 10, 263, 40}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {10, 10, 20, 20}, 128},
    {1019, "STATIC", "Password", kRightTextStyle, 0, {7, 60, 63, 8}},
    {1020, "STATIC", "Confirm", kRightTextStyle, 0, {7, 82, 63, 8}},
};

// Licence agreement.
constexpr DialogControl kLicenceControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {294, 264, 50, 14}},
    {1001, "RichEdit20W", "", kTextBoxStyle | ES_READONLY, 0, {6, 6, 342, 252}},
};

// Message viewer; the text takes no focus, so OK has it.
constexpr DialogControl kViewerControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {281, 225, 50, 14}},
    {1471, "RichEdit20W", "", kScrolledTextStyle | ES_READONLY, 0, {0, 0, 337, 220}},
};

constexpr DialogTemplate kDialogs[] = {
    {100, "About Quiralis Reader", kModalDialogStyle, 0, {0, 0, 279, 89}, kAboutControls},
    {102, "Quiralis Reader", kMainDialogStyle, WS_EX_APPWINDOW | WS_EX_ACCEPTFILES,
     {0, 0, 383, 267}, kMainControls},
    {107, "", kBoxDialogStyle | DS_SYSMODAL, WS_EX_TOPMOST, {0, 0, 296, 54}, kWorkingControls},
    {108, "", kBoxDialogStyle, 0, {0, 0, 281, 73}, kProgressControls},
    {131, "Enter Password", kModalDialogStyle, 0, {0, 0, 307, 135}, kPasswordControls},
    {134, "Quiralis Reader Licence Agreement", kModalDialogStyle, 0, {0, 0, 355, 286},
     kLicenceControls},
    {270, "Quiralis Message Viewer", kViewerDialogStyle, 0, {0, 0, 337, 245}, kViewerControls},
};

// clang-format on

constexpr MenuItem kContextMenuItems[] = {
    {32771, "Copy"},
    {32772, "Paste"},
    kMenuSeparator,
    {32773, "Select All"},
};

constexpr MenuTemplate kMenus[] = {
    {132, kContextMenuItems},
};

} // namespace

constinit const LanguageResources g_languageEnglish{
    .langId = 9, .strings = kStrings, .dialogs = kDialogs, .menus = kMenus};
