// Where a fix lies, as the load reads it back from its table and as airway
// segments are measured.
#pragma once

#include <cstdint>

namespace quill {

// Where a fix lies, as read back from its table. A stored coordinate that is
// not a number is kept as text, so that choosing the row fails with it.
struct FixPosition {
    double latitude;
    double longitude;
    std::uint32_t bad_text; // 0, or 1 + the index of the offending text
};

} // namespace quill
