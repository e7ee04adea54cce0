// The --check run: what an update would change in each product database, with nothing changed.
#pragma once

#include "run/holdings_record.h"
#include "run/update_run.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quill {

// The rows each category's tables hold.
using CategoryRows = std::array<std::int64_t, kCategoryCount>;

// What a check finds for one selected product database.
struct CheckedProduct {
    std::size_t row = 0; // index into TargetTable
    // Why an update would pass it over; the rest is then left empty.
    std::optional<std::string> failure;
    // kUnknownCycle where the record does not tell.
    CategoryCycles cycles_now;
    CategoryRows rows_now{};
    CategoryCycles cycles_after;
    CategoryRows rows_after{};
};

struct CheckReport {
    RunOutcome outcome;
    std::vector<CheckedProduct> products; // the selected ones, in table order
};

// A preview of the update: converts and loads the work database as an update
// would, with the same failures, then compares it with each selected product
// database. No product database is written, no previous one is kept and the
// record is left as it is, whatever options.publish says. Without a category
// selected, nothing is compared.
CheckReport check_update(RunHost& host, RunOptions options);

} // namespace quill
