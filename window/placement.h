// Where the windows go on the screen, for both views; sizes are outer sizes, frame included.
#pragma once

#include "window/controls.h"
#include "window/window_state.h"

namespace quill::window {

// The main window's corner when it is centred on the work area.
Point centred_in(const Rect& area, int width, int height);

// The help window's corner the first time it is shown: centred on the main
// window, without leaving the top or left edge of the work area.
Point centred_on(const Rect& main_window, const Rect& area, int width, int height);

} // namespace quill::window
