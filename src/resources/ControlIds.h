#pragma once
// The control ids Windows reserves for dialogs: the OK and Cancel buttons,
// and the id of every static that code never addresses.

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;
