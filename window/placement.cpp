// Centring the main window on the work area and the help window on the main window.
#include "window/placement.h"

#include <algorithm>

namespace quill::window {

Point centred_in(const Rect& area, int width, int height) {
    return {area.left + (area.width - width) / 2, area.top + (area.height - height) / 2};
}

Point centred_on(const Rect& main_window, const Rect& area, int width, int height) {
    const Point centred = centred_in(main_window, width, height);
    return {std::max(centred.x, area.left), std::max(centred.y, area.top)};
}

} // namespace quill::window
