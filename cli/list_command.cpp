// How the headless tool prints what --list finds, product by product.
#include "cli/list_command.h"

#include "app/environment.h"
#include "app/error.h"
#include "cli/cli_options.h"
#include "convert/data_cycle.h"
#include "convert/source_files.h"
#include "run/holdings_record.h"
#include "run/restore_run.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace quill::cli {

namespace {

std::string cycles_text(const std::optional<Holding>& holding) {
    const auto unknown = [](const std::string& cycle) { return cycle == kUnknownCycle; };
    if (!holding || std::ranges::all_of(holding->cycles, unknown)) return kUnknownCycle;
    std::string text;
    for (const Category c : kCategories) {
        if (!text.empty()) text += ", ";
        text += std::string(category_key(c)) + " " + holding->cycles[index_of(c)];
    }
    return text;
}

std::string updated_text(const std::optional<Holding>& holding, const std::string& path) {
    if (!holding) return "never by this program";
    std::string text = holding->updated + " (" + holding->categories + ")";
    if (!unchanged_since(*holding, path)) text += ", changed since";
    return text;
}

void list_target(std::size_t row, const std::string& work_folder, const std::optional<HoldingsRecord>& record,
                 std::ostream& out) {
    const TargetRow& target = TargetTable[row];
    const std::string path = target_path(target);
    const std::optional<Holding> current = record ? record->current(target) : std::nullopt;
    out << "  " << target.key << "\t" << target.caption << "\t" << path << "\n"
        << "    holds: " << cycles_text(current) << "\n"
        << "    updated: " << updated_text(current, path) << "\n";
    if (!has_previous_database(work_folder, row)) {
        out << "    previous: none kept\n";
        return;
    }
    out << "    previous: kept, holds " << cycles_text(record ? record->previous(target) : std::nullopt) << "\n";
}

} // namespace

void list_found(const Options& options, const std::string& work_folder, std::ostream& out) {
    const TargetSelection found = options.targets ? resolve_targets(options) : detect_targets();
    const std::optional<HoldingsRecord> record = read_holdings_record(work_folder);
    bool any = false;
    out << "Product databases in " << describe_application_data_folder() << ":\n";
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        if (!found[row]) continue;
        list_target(row, work_folder, record, out);
        any = true;
    }
    if (!any) out << "  none found\n";
    if (options.source_folder.empty()) return;
    out << "Source files:\n";
    for (Category c : kCategories) {
        const std::string path = source_path(options.source_folder, source_name(c));
        if (!file_exists(path)) continue;
        const std::string cycle = data_cycle(path);
        out << "  " << path << "\tdata cycle " << (cycle.empty() ? kNoCycle : cycle) << "\n";
    }
}

} // namespace quill::cli
