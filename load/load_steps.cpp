// The steps of a load of the work database, on whichever thread writes it.
#include "load/load_steps.h"

#include "app/work_folder.h"
#include "database/database_files.h"
#include "load/airway_lookups.h"
#include "load/block_inserter.h"
#include "load/intermediate_files.h"
#include "load/load_blocks.h"
#include "load/load_feed.h"
#include "load/work_database.h"

#include <memory>

namespace quill {

namespace {

constexpr Query kBegin{"BEGIN"};
constexpr Query kCommit{"COMMIT"};

// Runs a block if its file exists. The airway lookups are read when the
// first airway file needs them, and handed to the feed.
void run_block(const LoadBlock& block, const WorkDatabase& database, const LoadRequest& request,
               LoadFeed& feed, std::shared_ptr<const AirwayLookups>& lookups) {
    const std::string path = request.work_folder + std::string(block.file);
    if (!feed.wait_for_file(block, path)) return;
    request.progress(std::string(block.progress));
    if (block.kind == BlockKind::Airways && !lookups) {
        lookups = std::make_shared<const AirwayLookups>(database, feed.foreseen_waypoints());
        feed.lookups_read(lookups);
    }
    BlockInserter inserter(block, database.table(block.table), path);
    feed.insert_rows(block, path, lookups.get(), inserter);
}

} // namespace

void load_work_database(const LoadRequest& request) {
    InOrderFeed feed;
    load_work_database(request, feed);
}

void load_work_database(const LoadRequest& request, LoadFeed& feed) {
    const std::string path = work_database_path(request.work_folder);
    remove_database_files(path);
    request.seed();

    WorkDatabase database;
    database.connection.open(path);
    WorkDatabase::prepare_to_load(database.connection);
    // One transaction for the whole load; without a journal a failed load
    // leaves a scratch file that the next run replaces.
    kBegin.execute(database.connection);
    for (const Category category : kCategories)
        if (request.selected[index_of(category)]) database.clear(category);
    database.open_tables();
    std::shared_ptr<const AirwayLookups> lookups;
    for (const LoadBlock& block : kLoadBlocks) run_block(block, database, request, feed, lookups);
    kCommit.execute(database.connection);
    database.close();

    if (!request.keep_intermediate) delete_intermediate_files(request.work_folder);
}

} // namespace quill
