// Whether the window shows a control and lets it be used, its group's state included.
#include "window/window_state.h"

namespace quill::window {

bool MainWindowState::shows(Control control) const {
    const Control group = entry(control).group;
    return (*this)[control].visible && (*this)[group].visible;
}

bool MainWindowState::lets_use(Control control) const {
    const Control group = entry(control).group;
    return (*this)[control].enabled && (*this)[group].enabled;
}

} // namespace quill::window
