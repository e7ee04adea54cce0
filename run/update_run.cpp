#include "run/update_run.h"

#include "run/holdings_record.h"
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

#include <array>
#include <iostream>

namespace quill {

std::size_t ConvertCategory(Category category, const std::string& source_folder,
                            const std::string& work_folder,
                            const std::function<void(const std::string&)>& airport_line_error) {
    switch (category) {
    case Category::Airports: return ConvertAirports(source_folder, work_folder, airport_line_error);
    case Category::NavAids: return ConvertNavaids(source_folder, work_folder);
    case Category::Waypoints: return ConvertFixes(source_folder, work_folder);
    case Category::Airways: return ConvertAirways(source_folder, work_folder);
    }
    return 0;
}

void RunHost::warning(const std::string& line) { std::cerr << line << std::endl; }

std::size_t RunHost::convert(Category category, const std::string& work_folder) {
    return ConvertCategory(category, source_folder(), work_folder,
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

bool convert_selected(RunHost& host, const std::string& work_folder, RunOutcome& outcome) {
    bool any = false;
    for (Category category : kCategories) {
        if (!host.category_selected(category)) continue;
        host.category_starting(category);
        host.progress(std::string(converting_line(category)));
        const std::size_t records = host.convert(category, work_folder);
        // A file that yields nothing would empty the product's tables.
        if (records == 0) throw no_record_error(category);
        outcome.records[index_of(category)] = records;
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

    RunOutcome outcome;
    outcome.sources = ExamineSources(host.source_folder(), selected_categories(host),
                                     host.targets_selected(), work_folder);
    for (const SourceWarning& warning : outcome.sources.warnings) host.warning(warning.text);

    outcome.categories_ran = convert_selected(host, work_folder, outcome);
    if (!outcome.categories_ran) return outcome;

    host.loading_starting();
    host.progress(" ");
    std::vector<PublishResult> passed_over;
    LoadRequest load;
    load.work_folder = work_folder;
    load.selected = selected_categories(host);
    load.seed = [&] { passed_over = SeedWorkDatabase(host.targets_selected(), work_folder); };
    load.progress = [&](const std::string& line) { host.progress(line); };
    load.keep_intermediate = options.keep_intermediate;
    LoadWorkDatabase(load);
    CheckWorkDatabase(work_database_path(work_folder));

    TargetSelection receivers = host.targets_selected();
    for (const PublishResult& result : passed_over) receivers[result.row] = false;
    outcome.seed = first_selected(receivers);
    // Every target passed over lies before the seed in table order, so its
    // line comes before those of the targets published.
    outcome.failures = std::move(passed_over);
    if (!options.publish) {
        for (PublishResult& result : TryTargets(receivers)) outcome.failures.push_back(std::move(result));
        return outcome;
    }
    for (const PublishResult& result : outcome.failures) host.progress(publish_failure_line(result));

    // Each target is recorded as soon as it is replaced, so that a run
    // stopped part way leaves the record true to the files.
    const auto target_done = [&](const PublishResult& result) {
        if (result.written) record_published(host, work_folder, result, outcome.sources.cycles);
        else host.progress(publish_failure_line(result));
    };
    for (PublishResult& result : PublishWorkDatabase(receivers, work_folder, target_done))
        if (!result.written) outcome.failures.push_back(std::move(result));
    return outcome;
}

} // namespace quill
