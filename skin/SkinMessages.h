// Notices the skinned controls post to their owners.
#pragma once

constexpr unsigned WM_SLIDER_POS = 1094;    // wParam value, lParam slider identifier
constexpr unsigned WM_SPIN_VALUE = 1114;    // wParam value, lParam spin identifier
constexpr unsigned WM_EDIT_RETURN = 1116;   // wParam 13: Return released in an edit box
constexpr unsigned WM_SKIN_HOVER = 1124;    // wParam 1 entered / 0 left, lParam user value
constexpr unsigned WM_LIST_EDITED = 1524;   // wParam line index, lParam list identifier
constexpr unsigned WM_LIST_RBUTTON = 1724;  // wParam 0, lParam list identifier
