// How a restore puts back each kept database through the publishing step and notes it in the
// record.
#include "run/restore_run.h"

#include "app/error.h"
#include "app/file_system.h"
#include "run/holdings_record.h"
#include "run/previous_database.h"

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

std::vector<PublishResult> restore_previous_databases(const TargetSelection& selected,
                                                    const std::string& work_folder,
                                                    const UpdateLock&) {
    const auto previous_of = [&](std::size_t row) {
        std::string previous = previous_database_path(work_folder, TargetTable[row]);
        if (!file_exists(previous)) throw Error("no previous database is kept");
        return previous;
    };
    return replace_selected_targets(selected, work_folder, previous_of,
                                  [&](const PublishResult& result) {
                                      if (result.written) record_restored(work_folder, result.row);
                                  });
}

} // namespace quill
