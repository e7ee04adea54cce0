// How the headless tool prints a check: each source file's cycle and records, then each product
// database's cycles and rows now and after.
#include "cli/check_command.h"

#include "cli/cli_app.h"
#include "cli/cli_options.h"
#include "cli/console_host.h"
#include "convert/source_files.h"
#include "run/check_run.h"

#include <array>
#include <ostream>
#include <string_view>

namespace quill::cli {

namespace {

// "8 airports"
std::string records_text(Category c, std::size_t records) {
    constexpr std::array<std::string_view, kCategoryCount> kinds{"airports", "navaids", "fixes", "airway segments"};
    return std::to_string(records) + " " + std::string(kinds[index_of(c)]);
}

void print_sources(const Options& options, const RunOutcome& outcome, std::ostream& out) {
    out << "Source files in " << options.source_folder << ":\n";
    for (const Category c : kCategories) {
        const std::optional<std::string>& cycle = outcome.sources.cycles[index_of(c)];
        if (!cycle) continue;
        out << "  " << source_name(c) << ": data cycle " << *cycle << ", "
            << records_text(c, outcome.records[index_of(c)]) << "\n";
        for (const SourceWarning& warning : outcome.sources.warnings)
            if (warning.file == c) out << "    " << warning.text << "\n";
    }
    for (const SourceWarning& warning : outcome.sources.warnings)
        if (!warning.file) out << "  " << warning.text << "\n";
}

void print_product(const CheckedProduct& product, std::ostream& out) {
    const TargetRow& target = TargetTable[product.row];
    out << "  " << target.caption << "\t" << target_path(target) << "\n";
    if (product.failure) {
        out << "    would not be updated: " << *product.failure << "\n";
        return;
    }
    for (const Category c : kCategories) {
        const std::size_t i = index_of(c);
        out << "    " << category_key(c) << ": now data cycle " << product.cycles_now[i] << ", "
            << product.rows_now[i] << " rows; after data cycle " << product.cycles_after[i] << ", "
            << product.rows_after[i] << " rows\n";
    }
}

} // namespace

int check(const Options& options, const std::string& work_folder, std::ostream& out, std::ostream& err) {
    ConsoleHost host(options, ConsoleHost::Lines::ErrorsOnly, out, err);
    RunOptions run;
    run.work_folder = work_folder;
    run.keep_intermediate = options.keep_intermediate;
    const CheckReport report = check_update(host, run);
    print_sources(options, report.outcome, out);
    out << "Product databases:\n";
    for (const CheckedProduct& product : report.products) print_product(product, out);
    out << "Nothing was changed.\n";
    return report.outcome.failures.empty() ? kSuccess : kSomeNotUpdated;
}

} // namespace quill::cli
