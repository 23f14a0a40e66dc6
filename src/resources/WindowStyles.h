#pragma once
// The Windows window, dialog and control style bits a dialog template
// stores, under Windows' own names and with Windows' values, so a template
// reads as it would in a resource script and a widget builder can test bits.

#include <cstdint>

// Window styles.
inline constexpr std::uint32_t WS_OVERLAPPED = 0x00000000;
inline constexpr std::uint32_t WS_POPUP = 0x80000000;
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_MINIMIZE = 0x20000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000;
inline constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000;
inline constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000;
inline constexpr std::uint32_t WS_MAXIMIZE = 0x01000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000; // WS_BORDER | WS_DLGFRAME
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t WS_DLGFRAME = 0x00400000;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000;
inline constexpr std::uint32_t WS_HSCROLL = 0x00100000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
// The same bits mean WS_GROUP / WS_TABSTOP on a control and
// WS_MINIMIZEBOX / WS_MAXIMIZEBOX on a window with a caption.
inline constexpr std::uint32_t WS_GROUP = 0x00020000;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;

// Extended window styles.
inline constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr std::uint32_t WS_EX_NOPARENTNOTIFY = 0x00000004;
inline constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008;
inline constexpr std::uint32_t WS_EX_ACCEPTFILES = 0x00000010;
inline constexpr std::uint32_t WS_EX_TRANSPARENT = 0x00000020;
inline constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x00000080;
inline constexpr std::uint32_t WS_EX_WINDOWEDGE = 0x00000100;
inline constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr std::uint32_t WS_EX_CONTROLPARENT = 0x00010000;
inline constexpr std::uint32_t WS_EX_STATICEDGE = 0x00020000;
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000;

// Dialog styles.
inline constexpr std::uint32_t DS_ABSALIGN = 0x0001;
inline constexpr std::uint32_t DS_SYSMODAL = 0x0002;
inline constexpr std::uint32_t DS_3DLOOK = 0x0004;
inline constexpr std::uint32_t DS_FIXEDSYS = 0x0008;
inline constexpr std::uint32_t DS_NOFAILCREATE = 0x0010;
inline constexpr std::uint32_t DS_LOCALEDIT = 0x0020;
inline constexpr std::uint32_t DS_SETFONT = 0x0040;
inline constexpr std::uint32_t DS_MODALFRAME = 0x0080;
inline constexpr std::uint32_t DS_NOIDLEMSG = 0x0100;
inline constexpr std::uint32_t DS_SETFOREGROUND = 0x0200;
inline constexpr std::uint32_t DS_CONTROL = 0x0400;
inline constexpr std::uint32_t DS_CENTER = 0x0800;
inline constexpr std::uint32_t DS_CENTERMOUSE = 0x1000;
inline constexpr std::uint32_t DS_CONTEXTHELP = 0x2000;
inline constexpr std::uint32_t DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// Button styles; the low four bits are the button's kind.
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0000;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x0001;
inline constexpr std::uint32_t BS_CHECKBOX = 0x0002;
inline constexpr std::uint32_t BS_AUTOCHECKBOX = 0x0003;
inline constexpr std::uint32_t BS_RADIOBUTTON = 0x0004;
inline constexpr std::uint32_t BS_3STATE = 0x0005;
inline constexpr std::uint32_t BS_AUTO3STATE = 0x0006;
inline constexpr std::uint32_t BS_GROUPBOX = 0x0007;
inline constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x0009;
inline constexpr std::uint32_t BS_TYPEMASK = 0x000F;

// Static styles; the low five bits are the static's kind.
inline constexpr std::uint32_t SS_LEFT = 0x0000;
inline constexpr std::uint32_t SS_CENTER = 0x0001;
inline constexpr std::uint32_t SS_RIGHT = 0x0002;
inline constexpr std::uint32_t SS_ICON = 0x0003;
inline constexpr std::uint32_t SS_BITMAP = 0x000E;
inline constexpr std::uint32_t SS_TYPEMASK = 0x001F;
inline constexpr std::uint32_t SS_NOPREFIX = 0x0080;
inline constexpr std::uint32_t SS_NOTIFY = 0x0100;

// Edit styles, which the rich edit control shares.
inline constexpr std::uint32_t ES_LEFT = 0x0000;
inline constexpr std::uint32_t ES_CENTER = 0x0001;
inline constexpr std::uint32_t ES_RIGHT = 0x0002;
inline constexpr std::uint32_t ES_MULTILINE = 0x0004;
inline constexpr std::uint32_t ES_UPPERCASE = 0x0008;
inline constexpr std::uint32_t ES_LOWERCASE = 0x0010;
inline constexpr std::uint32_t ES_PASSWORD = 0x0020;
inline constexpr std::uint32_t ES_AUTOVSCROLL = 0x0040;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080;
inline constexpr std::uint32_t ES_NOHIDESEL = 0x0100;
inline constexpr std::uint32_t ES_READONLY = 0x0800;
inline constexpr std::uint32_t ES_WANTRETURN = 0x1000;
inline constexpr std::uint32_t ES_NUMBER = 0x2000;
