// The message of a run that could update only some of the selected product databases.
#include "window/texts.h"

namespace quill::window {

std::string partly_published(std::size_t failures, std::size_t targets) {
    return std::to_string(failures) + " of the " + std::to_string(targets) +
           " selected product databases could not be updated. The progress list says why.";
}

} // namespace quill::window
