// Japanese. A failure's reason follows its lead-in as a sentence of its own,
// so every reason text begins with the full stop "。" after the "%s".

#include "resources/ControlIds.h"
#include "resources/LanguageResources.h"
#include "resources/TemplateStyles.h"

namespace {

constexpr StringEntry kStrings[] = {
    {101, "Quiralis リーダーのバージョン情報(&A)..."},
    {102, "ファイル「%s」を復号しています"},
    {103, "------QMX BEGIN MSG------"},
    {104, "-------QMX END MSG-------"},
    {105, "Quiralis で暗号化されました。"},
    {106, "エラー: フォルダーの暗号化と復号はサポートされていません。"},
    {107, "%s。エラーが発生しました。"},
    {108, "%s。サポートされていない形式か、無効な形式です。"},
    {109, "%s。パスワードが正しくありません。"},
    {110, "%s。暗号化キーで保護されています。"},
    {111, "%s。データが破損しているか、無効です。"},
    {112, R"(%s。
返されたエラーは %08X です。)"},
    {113, R"(%s。出力ファイルを作成できませんでした。

出力先が読み取り専用でないこと、および出力ファイルが存在しないことを確認してください。)"},
    {114, "ファイル「%s」を復号するパスワードを入力してください。"},
    {115, "ファイル「%s」を暗号化するパスワードを入力してください。"},
    {116, "終了してもよろしいですか?"},
    {117, "メッセージを復号するパスワードを入力してください。"},
    {118, "メッセージを暗号化するパスワードを入力してください。"},
    {119, "メッセージを復号しています"},
    {120, "テキストを復号できませんでした"},
    {121, "%s。元のファイルが空です。"},
    {122, "%s。サポートされていないファイル サイズです (4 GB を超えています)。"},
    {123, "Quiralis で暗号化されました。"},
    {124, R"(このメッセージの送信者は「ビューアーの強制」オプションを選択しています。
そのため、このメッセージはビューアーで開かれます。)"},
    {125, R"(ファイル「%s」は既に存在します。

置き換えますか?)"},
    {126, "ファイル %s の削除中に問題が発生しました。"},
    {127, "ファイル「%s」を復号できませんでした"},
    {128, "ファイル「%s」を暗号化できませんでした"},
    {129, "ファイルを暗号化するパスワードを入力してください。"},
    {130, "ファイル「%s」を暗号化しています"},
    {131, R"(エラー: 元のファイルのパスが長すぎるため、拡張子「.qmx」を追加できません。

(「%s」))"},
    {132, "%d 個のファイルを正常に暗号化しました。"},
    {133, "%d 個のファイルを正常に復号しました。"},
    {134, "%d 個のファイルを正常に処理しました。"},
    {135, "ファイルを「%s」として暗号化しました。"},
    {136, "ファイルを「%s」として復号しました。"},
    {137, "%s。メモリが不足しています。"},
    {138, "テキストを暗号化できませんでした"},
    {139, "ファイルを暗号化しています.."},
    {140, "ファイルを復号しています.."},
    {141, "初期化しています.."},
    {142, "Quiralis の Web サイトを表示"},
    {143, "https://quiralis.example/reader"},
    // A drop that holds locations which are not local files.
    {145, "次の場所はローカル ファイルではないため、開けませんでした:"},
    {57344, "Quiralis リーダー"},
};

// clang-format off
// About box; the legal notice is narrower than in English.
constexpr DialogControl kAboutControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle | WS_GROUP, 0, {223, 67, 50, 16}},
    {IDC_STATIC, "STATIC", "Copyright © 2026 Brellic.", kTextStyle, 0,
     {39, 43, 108, 8}},
    {1014, "STATIC", "使用許諾契約書", kTextStyle, 0, {39, 56, 233, 8}},
    {1012, "STATIC", "### バージョン情報 ###", kTextStyle, 0, {39, 31, 146, 8}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {6, 7, 198, 21}, 144},
    {1010, "STATIC", "https://quiralis.example/reader", kTextStyle, 0, {39, 71, 173, 8}},
};

// Main window.
constexpr DialogControl kMainControls[] = {
    {1001, "RichEdit20W", "", kTextBoxStyle, 0, {7, 43, 369, 200}},
    {1008, "BUTTON", "暗号化(&E)", kPushButtonStyle, 0, {253, 5, 50, 14}},
    {1007, "BUTTON", "復号(&D)", kPushButtonStyle, 0, {303, 5, 50, 14}},
    {1015, "BUTTON", "バージョン情報(&A)", WS_CHILD | WS_TABSTOP, 0, {124, 25, 50, 14}},
    {1002, "BUTTON", "テスト", WS_CHILD | WS_TABSTOP, 0, {175, 25, 50, 14}},
    {1004, "BUTTON", "全コピー(&C)", kPushButtonStyle, 0, {226, 21, 50, 14}},
    {1005, "BUTTON", "貼り付け(&P)", kPushButtonStyle, 0, {276, 21, 50, 14}},
    {1006, "BUTTON", "クリア(&L)", kPushButtonStyle, 0, {326, 21, 50, 14}},
    {IDOK, "BUTTON", "終了(&X)", kPushButtonStyle, 0, {326, 246, 50, 14}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {7, 8, 166, 22}, 144},
    {1017, "STATIC",
     "上のウィンドウにテキストを入力または貼り付けるか、"
     "ファイルをドロップして、暗号化または復号します。",
     kTextStyle, 0, {9, 248, 312, 18}},
};

// "Working.." box.
constexpr DialogControl kWorkingControls[] = {
    {1003, "STATIC", "処理中..", kTextStyle, 0, {46, 12, 245, 36}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {12, 15, 21, 20}, 128},
};

// File progress dialog; Cancel starts enabled.
constexpr DialogControl kProgressControls[] = {
    {1003, "STATIC", "##ファイルの暗号化/復号##", kTextStyle, 0, {30, 6, 248, 10}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {3, 6, 21, 20}, 128},
    {1004, "STATIC", "##ファイル名##", kTextStyle, 0, {30, 21, 248, 10}},
    {1018, "msctls_progress32", "", kProgressBarStyle, 0, {30, 36, 248, 14}},
    {IDCANCEL, "BUTTON", "キャンセル(&C)", kPushButtonStyle, 0, {228, 56, 50, 14}},
};

// Password dialog.
constexpr DialogControl kPasswordControls[] = {
    {1002, "EDIT", "", kPasswordEditStyle, 0, {79, 58, 221, 14}},
    {1008, "EDIT", "", kPasswordEditStyle, 0, {79, 79, 221, 14}},
    {1016, "BUTTON", "受信者にビューアーの使用を要求する", kCheckBoxStyle, 0, {7, 118, 167, 10}},
    {1009, "BUTTON", "入力文字を表示(&S)", kCheckBoxStyle, 0, {206, 98, 93, 10}},
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {194, 114, 50, 14}},
    {IDCANCEL, "BUTTON", "キャンセル", kPushButtonStyle, 0, {251, 114, 50, 14}},
    {1003, "STATIC", "Static", kTextStyle, 0, {37, 10, 263, 40}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {10, 10, 21, 20}, 128},
    {1019, "STATIC", "パスワード", kRightTextStyle, 0, {7, 60, 63, 8}},
    {1020, "STATIC", "確認入力", kRightTextStyle, 0, {7, 82, 63, 8}},
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
    {100, "Quiralis リーダーのバージョン情報", kModalDialogStyle, 0,
     {0, 0, 279, 89}, kAboutControls},
    {102, "Quiralis リーダー", kMainDialogStyle, WS_EX_APPWINDOW | WS_EX_ACCEPTFILES,
     {0, 0, 383, 267}, kMainControls},
    {107, "", kBoxDialogStyle | DS_SYSMODAL, WS_EX_TOPMOST, {0, 0, 296, 54}, kWorkingControls},
    {108, "", kBoxDialogStyle, 0, {0, 0, 281, 73}, kProgressControls},
    {131, "パスワードの入力", kModalDialogStyle, 0, {0, 0, 307, 135}, kPasswordControls},
    {134, "Quiralis リーダー使用許諾契約書", kModalDialogStyle, 0,
     {0, 0, 355, 286}, kLicenceControls},
    {270, "Quiralis メッセージ ビューアー", kViewerDialogStyle, 0,
     {0, 0, 337, 245}, kViewerControls},
};

// clang-format on

constexpr MenuItem kContextMenuItems[] = {
    {32771, "コピー"},
    {32772, "貼り付け"},
    kMenuSeparator,
    {32773, "すべて選択"},
};

constexpr MenuTemplate kMenus[] = {
    {132, kContextMenuItems},
};

} // namespace

constinit const LanguageResources g_languageJapanese{
    .langId = 1041, .strings = kStrings, .dialogs = kDialogs, .menus = kMenus};
