#pragma once
// An extended dialog template as the resource stores it: the dialog's frame
// and caption, then its controls in template order (which is also the tab
// order). Coordinates are dialog units of the template's font; texts are
// UTF-8; styles are the Windows bits of resources/WindowStyles.h.

#include <cstdint>
#include <span>
#include <string_view>

struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

struct DialogFont {
    std::string_view face;
    int pointSize;
};

inline constexpr DialogFont kShellDlgFont{"MS Shell Dlg", 8};

// Class names as the template stores them.
inline constexpr std::string_view kButtonClass = "BUTTON";
inline constexpr std::string_view kStaticClass = "STATIC";
inline constexpr std::string_view kEditClass = "EDIT";
inline constexpr std::string_view kRichEditClass = "RichEdit20W";
inline constexpr std::string_view kProgressClass = "msctls_progress32";

struct DialogControl {
    int id; // IDC_STATIC (-1) for a static no code addresses
    std::string_view className;
    std::string_view text;
    std::uint32_t style;
    std::uint32_t exStyle;
    DialogRect rect;
    // The icon or bitmap an SS_ICON or SS_BITMAP static shows; 0 otherwise.
    std::uint16_t imageId = 0;
};

struct DialogTemplate {
    std::uint16_t id;
    std::string_view caption;
    std::uint32_t style;
    std::uint32_t exStyle;
    DialogRect rect;
    std::span<const DialogControl> controls;
    DialogFont font = kShellDlgFont;
};

// The first control with this id, or null.
inline const DialogControl* FindControl(const DialogTemplate& dialog, int id) {
    for (const DialogControl& control : dialog.controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}
