#include "database/load_work_database.h"

#include "app/work_folder.h"
#include "convert/source_files.h"
#include "database/airway_block.h"
#include "database/airway_lookups.h"
#include "database/data_module.h"
#include "database/intermediate_files.h"
#include "database/load_blocks.h"
#include "database/table_block.h"

#include <cstdio>
#include <optional>

namespace quill {

namespace {

constexpr Query kBegin{"BEGIN"};
constexpr Query kCommit{"COMMIT"};

// Runs a block if its file exists. The airway lookups are read when the
// first airway file needs them.
void run_block(const LoadBlock& block, const TdfmMain& module, const LoadRequest& request,
               std::optional<AirwayLookups>& lookups) {
    const std::string path = request.work_folder + std::string(block.file);
    if (!file_exists(path)) return;
    request.progress(std::string(block.progress));
    if (block.kind == BlockKind::Rows) return load_rows(block, module.*block.table, path);
    if (!lookups) lookups.emplace(module);
    load_airways(block, *lookups, module.*block.table, path);
}

} // namespace

void LoadWorkDatabase(const LoadRequest& request) {
    const std::string database = work_database_path(request.work_folder);
    std::remove(database.c_str());
    request.seed();

    TdfmMain module;
    module.FDConnection.open(database);
    module.FDQuerySetParams.execute(module.FDConnection);
    module.FDQuerySetCache.execute(module.FDConnection);
    // One transaction for the whole load; without a journal a failed load
    // leaves a scratch file that the next run replaces.
    kBegin.execute(module.FDConnection);
    for (const Category category : kCategories)
        if (request.selected[index_of(category)]) module.clear(category);
    module.open_tables();
    std::optional<AirwayLookups> lookups;
    for (const LoadBlock& block : kLoadBlocks) run_block(block, module, request, lookups);
    kCommit.execute(module.FDConnection);
    module.close();

    if (!request.keep_intermediate) DeleteIntermediateFiles(request.work_folder);
}

} // namespace quill
