// Makes and lays out the child controls of both Win32 windows from their control tables.
#pragma once

#include <windows.h>

#include "window/controls.h"

namespace quill::win32 {

// A child control of the look's kind with its text and `id` as its control id, laid out later.
// The order of making is the tab order, and the later a control is made, the deeper it lies.
HWND make_child(HWND parent, const window::ControlLook& look, int id);

// Puts the child at its place (96-dpi pixels in the parent's client area) at the dpi, in the
// font, with the picture when it has one.
void lay_out_child(HWND child, const window::Rect& place, UINT dpi, HFONT font, HICON picture);

} // namespace quill::win32
