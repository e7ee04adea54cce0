#include "run/update_run.h"

#include "run/holdings_record.h"
#include "run/source_cycles.h"
#include "run/target_databases.h"
#include "app/error.h"
#include "app/platform.h"
#include "app/work_folder.h"
#include "convert/airport_converter.h"
#include "convert/airway_converter.h"
#include "convert/fix_converter.h"
#include "convert/navaid_converter.h"
#include "database/integrity_check.h"
#include "database/intermediate_files.h"
#include "database/load_work_database.h"

#include <iostream>

namespace quill {

void ConvertCategory(Category category, const std::string& source_folder,
                     const std::string& work_folder,
                     const std::function<void(const std::string&)>& airport_line_error) {
    switch (category) {
    case Category::Airports: ConvertAirports(source_folder, work_folder, airport_line_error); break;
    case Category::NavAids: ConvertNavaids(source_folder, work_folder); break;
    case Category::Waypoints: ConvertFixes(source_folder, work_folder); break;
    case Category::Airways: ConvertAirways(source_folder, work_folder); break;
    }
}

void RunHost::warning(const std::string& line) { std::cerr << line << std::endl; }

void RunHost::convert(Category category, const std::string& work_folder) {
    ConvertCategory(category, source_folder(), work_folder,
                    [this](const std::string& message) { airport_line_error(message); });
}

std::string publish_failure_line(const PublishResult& result) {
    return "Could not update " + std::string(TargetTable[result.row].caption) + ": " +
           result.reason;
}

namespace {

bool convert_selected(RunHost& host, const std::string& work_folder) {
    bool any = false;
    for (Category category : kCategories) {
        if (!host.category_selected(category)) continue;
        host.category_starting(category);
        host.progress(std::string(converting_line(category)));
        host.convert(category, work_folder);
        any = true;
    }
    return any;
}

CategorySelection selected_categories(RunHost& host) {
    CategorySelection selection{};
    for (Category category : kCategories) selection[index_of(category)] = host.category_selected(category);
    return selection;
}

// The record is a help for the user, not part of the update: a failure to
// write it is told and changes nothing published.
void record_published(RunHost& host, const std::string& work_folder, const PublishResult& result,
                      const SelectedCycles& cycles) {
    try {
        HoldingsRecord(work_folder)
            .published(TargetTable[result.row], cycles, result.kept_previous);
    } catch (const Error& failure) {
        host.warning("Could not record what the product databases hold: " + failure.message());
    }
}

} // namespace

RunOutcome RunUpdate(RunHost& host, const RunOptions& options) {
    const std::string& work_folder = options.work_folder;
    const UpdateLock one_update_at_a_time(work_folder);
    // A leftover of a failed run must never reach a table that is not cleared.
    DeleteIntermediateFiles(work_folder);

    const SelectedCycles cycles = read_source_cycles(host.source_folder(), selected_categories(host));
    if (const std::string warning = mixed_cycles_warning(cycles); !warning.empty()) host.warning(warning);

    RunOutcome outcome;
    outcome.categories_ran = convert_selected(host, work_folder);
    if (!outcome.categories_ran) return outcome;

    host.loading_starting();
    host.progress(" ");
    LoadRequest load;
    load.work_folder = work_folder;
    load.selected = selected_categories(host);
    load.seed = [&] { SeedWorkDatabase(host.targets_selected(), work_folder); };
    load.progress = [&](const std::string& line) { host.progress(line); };
    load.keep_intermediate = options.keep_intermediate;
    LoadWorkDatabase(load);
    CheckWorkDatabase(work_database_path(work_folder));

    // Each target is recorded as soon as it is replaced, so that a run
    // stopped part way leaves the record true to the files.
    const auto target_done = [&](const PublishResult& result) {
        if (result.written) record_published(host, work_folder, result, cycles);
        else host.progress(publish_failure_line(result));
    };
    for (const PublishResult& result :
         PublishWorkDatabase(host.targets_selected(), work_folder, target_done))
        if (!result.written) outcome.failures.push_back(result);
    return outcome;
}

} // namespace quill
