// How a view's progress list is brought up to the model's lines.
#include "window/progress_shown.h"

namespace quill::window {

ProgressChange ProgressShown::update(const MainWindowState& state) {
    ProgressChange change;
    if (state.progress_emptied != emptied_) {
        change.empty_first = true;
        emptied_ = state.progress_emptied;
        count_ = 0;
    }
    change.added = std::span(state.progress).subspan(count_);
    count_ = state.progress.size();
    return change;
}

} // namespace quill::window
