#include "database/load_work_database.h"

#include "app/work_folder.h"
#include "convert/source_files.h"
#include "database/airway_block.h"
#include "database/airway_lookups.h"
#include "database/database_files.h"
#include "database/work_database.h"
#include "database/intermediate_files.h"
#include "database/load_blocks.h"
#include "database/table_block.h"

#include <optional>

namespace quill {

namespace {

constexpr Query kBegin{"BEGIN"};
constexpr Query kCommit{"COMMIT"};

// Runs a block if its file exists. The airway lookups are read when the
// first airway file needs them.
void run_block(const LoadBlock& block, const WorkDatabase& database, const LoadRequest& request,
               std::optional<AirwayLookups>& lookups) {
    const std::string path = request.work_folder + std::string(block.file);
    if (!file_exists(path)) return;
    request.progress(std::string(block.progress));
    if (block.kind == BlockKind::Rows) return load_rows(block, database.table(block.table), path);
    if (!lookups) lookups.emplace(database);
    load_airways(block, *lookups, database.table(block.table), path);
}

} // namespace

void LoadWorkDatabase(const LoadRequest& request) {
    const std::string path = work_database_path(request.work_folder);
    remove_database_files(path);
    request.seed();

    WorkDatabase database;
    database.connection.open(path);
    WorkDatabase::kJournalOff.execute(database.connection);
    WorkDatabase::kCacheSize.execute(database.connection);
    // One transaction for the whole load; without a journal a failed load
    // leaves a scratch file that the next run replaces.
    kBegin.execute(database.connection);
    for (const Category category : kCategories)
        if (request.selected[index_of(category)]) database.clear(category);
    database.open_tables();
    std::optional<AirwayLookups> lookups;
    for (const LoadBlock& block : kLoadBlocks) run_block(block, database, request, lookups);
    kCommit.execute(database.connection);
    database.close();

    if (!request.keep_intermediate) DeleteIntermediateFiles(request.work_folder);
}

} // namespace quill
