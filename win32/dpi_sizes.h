// Sizes at the dpi of the monitor a window is on: the control tables' 96-dpi pixels scaled, and
// a window's outer size for its client area.
#pragma once

#include <windows.h>

namespace quill::win32 {

// Pixels at 96 dpi to pixels at the given dpi.
int scaled(int pixels, UINT dpi);

// The outer size of a window whose client area is this size at the dpi, with the frame its
// styles give it.
SIZE outer_size(HWND window, int client_width, int client_height, UINT dpi);

} // namespace quill::win32
