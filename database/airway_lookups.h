#pragma once

#include "database/fix_index.h"
#include "database/fix_recorder.h"

#include <array>
#include <optional>
#include <string_view>

namespace quill {

class TdfmMain;
struct LoadBlock;

// Records the rows a load appends to each lookup table (NavWPT, NavNDB,
// NavVOR) that was empty when loading began: such a table then holds exactly
// those rows, so its lookup needs no reading back. Its name column is TEXT
// and its coordinates REAL, so a row reads back as it was appended, but for
// the coordinates' text.
class FixRecorders {
public:
    explicit FixRecorders(const TdfmMain& module);

    // The recorder of the block's table; null for any other table and for a
    // lookup table that kept rows from before.
    FixRecorder* for_block(const LoadBlock& block);

    // The rows recorded for the lookup table at this position of the fix
    // types' order; nothing when the table is not recorded. Ends its recording.
    std::optional<FixRows> take(std::size_t lookup);

private:
    std::array<std::optional<FixRecorder>, 3> recorders_;
};

// The three tables where airway points find their fixes, as they stand once
// the navaid and fix blocks have run. Nothing writes them during the airway
// blocks, so both airway files share one lookup.
class AirwayLookups {
public:
    // Takes the recorded rows of a table; reads back the others.
    AirwayLookups(const TdfmMain& module, FixRecorders& recorded);

    // The lookup table for a FIXTYPE ("WPT", "NDB", "VOR"); null for any other.
    const FixIndex* for_fix_type(std::string_view fix_type) const;

private:
    std::array<std::optional<FixIndex>, 3> indexes_;
};

} // namespace quill
