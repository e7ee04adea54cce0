// Picks which of several same-named fixes an airway segment's two ends are.
#pragma once

#include "geometry/fix_position.h"

#include <cstddef>
#include <span>

namespace quill {

struct EndChoice {
    std::size_t first;
    std::size_t second;
};

// Names are reused around the world, so the two ends of an airway segment are
// chosen together: the pair of candidate rows closest on the great circle; on
// a tie the earliest rows, the first end's first. Both spans must be non-empty.
EndChoice closest_ends(std::span<const FixPosition> first, std::span<const FixPosition> second);

} // namespace quill
