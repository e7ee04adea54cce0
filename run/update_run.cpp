#include "run/update_run.h"

#include "run/copies_ahead.h"
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
#include "database/work_database_load.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <thread>

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

CategorySelection selected_categories(RunHost& host) {
    CategorySelection selection{};
    for (Category category : kCategories)
        selection[index_of(category)] = host.category_selected(category);
    return selection;
}

// The run needs no more than two threads: one that converts and tells the
// host, one that writes the work database.
bool second_thread(const RunOptions& options) {
    const unsigned threads =
        options.threads != 0 ? options.threads : std::thread::hardware_concurrency();
    return threads > 1;
}

void convert_selected(RunHost& host, const CategorySelection& selected,
                      const std::string& work_folder, WorkDatabaseLoad& load) {
    for (Category category : kCategories) {
        if (!selected[index_of(category)]) continue;
        host.category_starting(category);
        host.progress(std::string(converting_line(category)));
        host.convert(category, work_folder);
        load.files_complete(category);
    }
}

// Converts the selected categories and loads the work database from their
// files, seeded from the first selected target.
void make_work_database(RunHost& host, const RunOptions& options, const CategorySelection& selected,
                        const TargetSelection& targets) {
    LoadRequest request;
    request.work_folder = options.work_folder;
    request.selected = selected;
    request.seed = [targets, work_folder = options.work_folder] {
        SeedWorkDatabase(targets, work_folder);
    };
    request.progress = [&](const std::string& line) { host.progress(line); };
    request.keep_intermediate = options.keep_intermediate;
    WorkDatabaseLoad load(std::move(request), second_thread(options)
                                                  ? WorkDatabaseLoad::Mode::Alongside
                                                  : WorkDatabaseLoad::Mode::InOrder);
    convert_selected(host, selected, options.work_folder, load);
    host.loading_starting();
    host.progress(" ");
    load.finish();
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

// Each target is recorded as soon as it is replaced, so that a run stopped
// part way leaves the record true to the files. Gives the targets not updated.
std::vector<PublishResult> publish(RunHost& host, const std::string& work_folder,
                                   const TargetSelection& targets, const SelectedCycles& cycles,
                                   CopiesAhead* ahead) {
    const auto target_done = [&](const PublishResult& result) {
        if (result.written) record_published(host, work_folder, result, cycles);
        else host.progress(publish_failure_line(result));
    };
    std::vector<PublishResult> failures;
    for (const PublishResult& result :
         PublishWorkDatabase(targets, work_folder, target_done, ahead))
        if (!result.written) failures.push_back(result);
    return failures;
}

} // namespace

RunOutcome RunUpdate(RunHost& host, const RunOptions& options) {
    const std::string& work_folder = options.work_folder;
    const UpdateLock one_update_at_a_time(work_folder);
    // A leftover of a failed run must never reach a table that is not cleared.
    DeleteIntermediateFiles(work_folder);

    const CategorySelection selected = selected_categories(host);
    const SelectedCycles cycles = read_source_cycles(host.source_folder(), selected);
    if (const std::string warning = mixed_cycles_warning(cycles); !warning.empty()) host.warning(warning);

    RunOutcome outcome;
    outcome.categories_ran = std::ranges::find(selected, true) != selected.end();
    if (!outcome.categories_ran) return outcome;

    const TargetSelection targets = host.targets_selected();
    make_work_database(host, options, selected, targets);
    // The copies that replace the targets are made while the work database is checked.
    std::optional<CopiesAhead> ahead;
    if (second_thread(options) && kRenameReplacesOpenFiles)
        ahead.emplace(targets, work_database_path(work_folder));
    CheckWorkDatabase(work_database_path(work_folder));
    outcome.failures = publish(host, work_folder, targets, cycles, ahead ? &*ahead : nullptr);
    return outcome;
}

} // namespace quill
