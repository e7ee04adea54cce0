// The update run: its steps in order, and the threads that share them.
#include "run/update_run.h"

#include "run/copies_ahead.h"
#include "run/holdings_record.h"
#include "run/target_databases.h"
#include "app/error.h"
#include "app/platform.h"
#include "app/work_folder.h"
#include "convert/airport_converter.h"
#include "convert/airway_converter.h"
#include "convert/fix_converter.h"
#include "convert/navaid_converter.h"
#include "database/quick_check.h"
#include "load/database_thread.h"
#include "load/intermediate_files.h"
#include "load/load_feed.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <optional>
#include <thread>

namespace quill {

std::size_t convert_category(Category category, const std::string& source_folder,
                            const std::string& work_folder,
                            const std::function<void(const std::string&)>& airport_line_error) {
    switch (category) {
    case Category::Airports: return convert_airports(source_folder, work_folder, airport_line_error);
    case Category::NavAids: return convert_navaids(source_folder, work_folder);
    case Category::Waypoints: return convert_fixes(source_folder, work_folder);
    case Category::Airways: return convert_airways(source_folder, work_folder);
    }
    return 0;
}

void RunHost::warning(const std::string& line) { std::cerr << line << std::endl; }

std::size_t RunHost::convert(Category category, const std::string& work_folder) {
    return convert_category(category, source_folder(), work_folder,
                    [this](const std::string& message) { airport_line_error(message); });
}

std::string publish_failure_line(const PublishResult& result) {
    return "Could not update " + std::string(TargetTable[result.row].caption) + ": " +
           result.reason;
}

namespace {

// "apt.dat holds no airport: it is empty or not an X-Plane apt.dat"
Error no_record_error(Category category) {
    constexpr std::array<std::string_view, kCategoryCount> records{"airport", "navaid", "fix", "airway"};
    const std::string file(source_name(category));
    return Error(file + " holds no " + std::string(records[index_of(category)]) +
                 ": it is empty or not an X-Plane " + file);
}

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

// Converts each selected category in order; `converted` hears of each one
// whose files are complete.
void convert_selected(RunHost& host, const CategorySelection& selected,
                      const std::string& work_folder, RunOutcome& outcome,
                      const std::function<void(Category)>& converted) {
    for (Category category : kCategories) {
        if (!selected[index_of(category)]) continue;
        host.category_starting(category);
        host.progress(std::string(converting_line(category)));
        const std::size_t records = host.convert(category, work_folder);
        // A file that yields nothing would empty the product's tables.
        if (records == 0) throw no_record_error(category);
        outcome.records[index_of(category)] = records;
        converted(category);
    }
}

void loading_starts(RunHost& host) {
    host.loading_starting();
    host.progress(" ");
}

// On the thread that writes the work database: seeds it from the first
// selected target that can be read as a product database, then loads it.
// Gives the targets passed over on the way.
std::vector<PublishResult> seed_and_load(const LoadRequest& request, const TargetSelection& targets,
                                         LoadFeed& feed) {
    std::vector<PublishResult> passed_over;
    LoadRequest seeded = request;
    seeded.seed = [&] { passed_over = seed_work_database(targets, request.work_folder); };
    load_work_database(seeded, feed);
    return passed_over;
}

// Converts the selected categories and makes the work database from their
// files. Gives the targets passed over when seeding.
std::vector<PublishResult> make_work_database(RunHost& host, const RunOptions& options,
                                              const CategorySelection& selected,
                                              const TargetSelection& targets, RunOutcome& outcome) {
    LoadRequest request;
    request.work_folder = options.work_folder;
    request.selected = selected;
    request.progress = [&](const std::string& line) { host.progress(line); };
    request.keep_intermediate = options.keep_intermediate;
    if (!second_thread(options)) {
        convert_selected(host, selected, options.work_folder, outcome, [](Category) {});
        loading_starts(host);
        InOrderFeed feed;
        return seed_and_load(request, targets, feed);
    }
    // A second thread seeds the work database and loads each block once its
    // files are complete, while this one converts; then this one relays the
    // load's lines to the host and reads rows ahead for it.
    DatabaseThread<std::vector<PublishResult>> database_thread(
        request, [targets](const LoadRequest& on_thread, LoadFeed& feed) {
            return seed_and_load(on_thread, targets, feed);
        });
    convert_selected(host, selected, options.work_folder, outcome,
                     [&](Category category) { database_thread.files_complete(category); });
    loading_starts(host);
    return database_thread.relay_and_read_ahead(request.progress);
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
         publish_work_database(targets, work_folder, target_done, ahead))
        if (!result.written) failures.push_back(result);
    return failures;
}

} // namespace

RunOutcome run_update(RunHost& host, const RunOptions& options) {
    const std::string& work_folder = options.work_folder;
    const UpdateLock one_update_at_a_time(work_folder);
    // A leftover of a failed run must never reach a table that is not cleared.
    delete_intermediate_files(work_folder);

    const CategorySelection selected = selected_categories(host);
    const TargetSelection targets = host.targets_selected();
    RunOutcome outcome;
    outcome.sources = examine_sources(host.source_folder(), selected, targets, work_folder);
    for (const SourceWarning& warning : outcome.sources.warnings) host.warning(warning.text);

    outcome.categories_ran = std::ranges::find(selected, true) != selected.end();
    if (!outcome.categories_ran) return outcome;

    std::vector<PublishResult> passed_over = make_work_database(host, options, selected, targets, outcome);
    TargetSelection receivers = targets;
    for (const PublishResult& result : passed_over) receivers[result.row] = false;
    outcome.seed = first_selected(receivers);
    // With a second thread, a copy thread makes the copies that replace the
    // targets while this one checks the work database. (Where a rename cannot
    // replace an open file, publishing writes each target in place instead.)
    std::optional<CopiesAhead> copy_thread;
    if (options.publish && second_thread(options) && kRenameReplacesOpenFiles)
        copy_thread.emplace(receivers, work_database_path(work_folder));
    quick_check(work_database_path(work_folder));

    // Every target passed over comes before the one copied from, so its
    // line comes before those of the targets published.
    outcome.failures = std::move(passed_over);
    if (!options.publish) {
        for (PublishResult& result : try_targets(receivers)) outcome.failures.push_back(std::move(result));
        return outcome;
    }
    for (const PublishResult& result : outcome.failures) host.progress(publish_failure_line(result));
    for (PublishResult& result :
         publish(host, work_folder, receivers, outcome.sources.cycles,
                 copy_thread ? &*copy_thread : nullptr))
        outcome.failures.push_back(std::move(result));
    return outcome;
}

} // namespace quill
