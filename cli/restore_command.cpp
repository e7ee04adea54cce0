// How --restore puts the kept databases back one product at a time and tells each outcome.
#include "cli/restore_command.h"

#include "cli/cli_app.h"
#include "app/error.h"
#include "cli/cli_options.h"
#include "run/restore_run.h"
#include "run/update_lock.h"
#include "run/update_run.h"

#include <ostream>

namespace quill::cli {

namespace {

// Without named targets, each detected product that has nothing kept is
// passed over with a note.
void note_skipped(const Options& options, const TargetSelection& chosen, std::ostream& err) {
    if (options.targets) return;
    const TargetSelection found = detect_targets();
    for (std::size_t row = 0; row < kTargetCount; ++row)
        if (found[row] && !chosen[row])
            err << "No previous database of " << TargetTable[row].caption << " is kept; skipped" << std::endl;
}

} // namespace

int restore(const Options& options, const std::string& work_folder, std::ostream& out, std::ostream& err) {
    const UpdateLock one_update_at_a_time(work_folder);
    const TargetSelection chosen = resolve_restore_targets(options, work_folder);
    if (count_selected(chosen) == 0)
        throw Error("Nothing to restore: no product database has a previous database kept");
    note_skipped(options, chosen, err);
    std::size_t failures = 0;
    std::size_t tried = 0;
    for (const PublishResult& result :
         restore_previous_databases(chosen, work_folder, one_update_at_a_time)) {
        ++tried;
        if (result.written) {
            out << "Restored " << TargetTable[result.row].caption << std::endl;
            continue;
        }
        out << "Could not restore " << TargetTable[result.row].caption << ": " << result.reason << std::endl;
        ++failures;
    }
    if (failures == 0) return kSuccess;
    err << failures << " of " << tried << " product databases could not be restored" << std::endl;
    return kSomeNotUpdated;
}

} // namespace quill::cli
