#pragma once
// The style combinations the program's dialog templates are made of, named
// by the role they play, so a template row says what its control is. Each is
// built from the Windows bits and equals what the template stores.

#include "resources/WindowStyles.h"

#include <cstdint>

// Dialog frames; every template uses the shell font.
inline constexpr std::uint32_t kModalDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SHELLFONT;
inline constexpr std::uint32_t kMainDialogStyle = kModalDialogStyle | WS_VISIBLE | WS_CLIPCHILDREN;
// A caption-less box shown at once: no title bar, no system menu.
inline constexpr std::uint32_t kBoxDialogStyle =
    WS_POPUP | WS_VISIBLE | DS_MODALFRAME | DS_SHELLFONT;
inline constexpr std::uint32_t kViewerDialogStyle = WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION |
                                                    WS_THICKFRAME | WS_MINIMIZEBOX |
                                                    DS_NOFAILCREATE | DS_SHELLFONT;

// Controls.
inline constexpr std::uint32_t kControlStyle = WS_CHILD | WS_VISIBLE;
inline constexpr std::uint32_t kPushButtonStyle = kControlStyle | WS_TABSTOP | BS_PUSHBUTTON;
inline constexpr std::uint32_t kDefaultButtonStyle = kControlStyle | WS_TABSTOP | BS_DEFPUSHBUTTON;
inline constexpr std::uint32_t kCheckBoxStyle = kControlStyle | WS_TABSTOP | BS_AUTOCHECKBOX;
inline constexpr std::uint32_t kTextStyle = kControlStyle | WS_GROUP | SS_LEFT;
inline constexpr std::uint32_t kRightTextStyle = kControlStyle | WS_GROUP | SS_RIGHT;
inline constexpr std::uint32_t kIconStyle = kControlStyle | SS_ICON;
inline constexpr std::uint32_t kBitmapStyle = kControlStyle | SS_BITMAP;
inline constexpr std::uint32_t kPasswordEditStyle =
    kControlStyle | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD;
inline constexpr std::uint32_t kProgressBarStyle = kControlStyle | WS_BORDER;
// The multi-line text boxes; the editable one takes Enter as a line break.
inline constexpr std::uint32_t kScrolledTextStyle =
    kControlStyle | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE;
inline constexpr std::uint32_t kTextBoxStyle =
    kScrolledTextStyle | WS_TABSTOP | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN;
