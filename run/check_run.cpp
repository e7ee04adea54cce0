// How a check runs the update without publishing, then counts and compares each product's rows
// and cycles.
#include "run/check_run.h"

#include "app/work_folder.h"
#include "database/clean_hold.h"
#include "load/work_database.h"

#include <algorithm>

namespace quill {

namespace {

CategoryRows category_rows(const std::string& path) {
    Connection connection;
    open_product_database(connection, path);
    CategoryRows rows{};
    for (const Category c : kCategories) rows[index_of(c)] = count_category_rows(connection, c);
    return rows;
}

CategoryCycles held_cycles(const std::optional<HoldingsRecord>& record, std::size_t row) {
    CategoryCycles unknown;
    unknown.fill(kUnknownCycle);
    if (!record) return unknown;
    const std::optional<Holding> holding = held_unchanged(*record, TargetTable[row]);
    return holding ? holding->cycles : unknown;
}

// The work database holds the selected categories from the source files and
// every other one as the product it was copied from holds it.
CategoryCycles cycles_after(const RunOutcome& outcome, const std::optional<HoldingsRecord>& record) {
    CategoryCycles cycles = held_cycles(record, *outcome.seed);
    for (const Category c : kCategories)
        if (const std::optional<std::string>& source = outcome.sources.cycles[index_of(c)]) cycles[index_of(c)] = *source;
    return cycles;
}

CheckedProduct check_product(std::size_t row, const CheckReport& report, const std::optional<HoldingsRecord>& record,
                           const CategoryRows& rows_after) {
    CheckedProduct product;
    product.row = row;
    const auto& failures = report.outcome.failures;
    const auto failed = std::ranges::find(failures, row, &PublishResult::row);
    if (failed != failures.end()) {
        product.failure = failed->reason;
        return product;
    }
    product.cycles_now = held_cycles(record, row);
    product.rows_now = category_rows(target_path(TargetTable[row]));
    product.cycles_after = cycles_after(report.outcome, record);
    product.rows_after = rows_after;
    return product;
}

} // namespace

CheckReport check_update(RunHost& host, RunOptions options) {
    options.publish = false;
    CheckReport report{run_update(host, options), {}};
    if (!report.outcome.categories_ran) return report;
    const std::optional<HoldingsRecord> record = read_holdings_record(options.work_folder);
    const CategoryRows rows_after = category_rows(work_database_path(options.work_folder));
    const TargetSelection selected = host.targets_selected();
    for (std::size_t row = 0; row < kTargetCount; ++row)
        if (selected[row]) report.products.push_back(check_product(row, report, record, rows_after));
    return report;
}

} // namespace quill
