// What a view's progress list already shows, so that each drawing brings it up to the model's
// lines by adding only the new ones, or by emptying it first when the model has emptied its own.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "window/window_state.h"

namespace quill::window {

struct ProgressChange {
    bool empty_first = false;
    std::span<const std::string> added; // to be appended, in order
};

class ProgressShown {
public:
    // What the view does to its list to show the state's lines; from then on the list is taken
    // to show them.
    ProgressChange update(const MainWindowState& state);

private:
    unsigned emptied_ = 0;
    std::size_t count_ = 0;
};

} // namespace quill::window
