#include "run/target_databases.h"

#include <algorithm>

#include "run/file_replace.h"
#include "app/work_folder.h"
#include "app/error.h"

namespace quill {

void SeedWorkDatabase(const TargetSelection& selected, const std::string& work_folder) {
    const auto first = std::find(selected.begin(), selected.end(), true);
    if (first == selected.end()) throw Error("No target database selected");
    const std::string seed = target_path(TargetTable[first - selected.begin()]);
    try {
        replace_file(seed, work_database_path(work_folder));
    } catch (const Error& failure) {
        throw Error("Could not copy " + seed + " to the work folder: " + failure.message());
    }
}

std::vector<PublishResult> PublishWorkDatabase(const TargetSelection& selected,
                                               const std::string& work_folder) {
    const std::string work_database = work_database_path(work_folder);
    std::vector<PublishResult> results;
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        if (!selected[row]) continue;
        PublishResult result{row, true, {}};
        try {
            replace_file(work_database, target_path(TargetTable[row]));
        } catch (const Error& failure) {
            result.written = false;
            result.reason = failure.message();
        }
        results.push_back(std::move(result));
    }
    return results;
}

} // namespace quill
