#include "run/restore_run.h"

#include "app/error.h"
#include "app/file_system.h"
#include "app/platform.h"
#include "run/holdings_record.h"
#include "run/previous_database.h"
#include "run/update_run.h"

namespace quill {

bool has_previous_database(const std::string& work_folder, std::size_t row) {
    return file_exists(previous_database_path(work_folder, TargetTable[row]));
}

namespace {

// The record only informs: a restore that could not be recorded is still done,
// and the record then shows the database as changed since.
void record_restored(const std::string& work_folder, std::size_t row) {
    try {
        HoldingsRecord(work_folder).restored(TargetTable[row]);
    } catch (const Error&) {
    }
}

} // namespace

std::vector<PublishResult> RestorePreviousDatabases(const TargetSelection& selected,
                                                    const std::string& work_folder) {
    const FileLock one_update_at_a_time(work_folder + std::string(kUpdateLockName));
    if (!one_update_at_a_time.held()) throw Error(std::string(kAnotherUpdateRunning));
    std::vector<PublishResult> results;
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        if (!selected[row]) continue;
        PublishResult result{row, true, false, {}};
        try {
            const std::string previous = previous_database_path(work_folder, TargetTable[row]);
            if (!file_exists(previous)) throw Error("no previous database is kept");
            result.kept_previous = ReplaceTarget(previous, row, work_folder);
        } catch (const Error& failure) {
            result.written = false;
            result.reason = failure.message();
        }
        if (result.written) record_restored(work_folder, row);
        results.push_back(std::move(result));
    }
    return results;
}

} // namespace quill
