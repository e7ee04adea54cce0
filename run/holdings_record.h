// The program's memory of which cycle each product database holds, for --list, --check and the
// older-cycle warning.
#pragma once

#include "app/categories.h"
#include "app/platform.h"
#include "app/target_table.h"
#include "database/connection.h"
#include "run/source_cycles.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quill {

// The data cycle of each category, as the source file's version line names
// it; kNoCycle for a file that names none, kUnknownCycle for data this
// program did not write.
using CategoryCycles = std::array<std::string, kCategoryCount>;
inline constexpr const char* kNoCycle = "none";
inline constexpr const char* kUnknownCycle = "unknown";

// What one product database holds, as this program last wrote it.
struct Holding {
    CategoryCycles cycles;
    std::string updated;    // local date and time of the write
    std::string categories; // what that write changed: category names, or "restore"
    std::int64_t file_size = 0;
    std::int64_t file_time = 0;
};


// The record in the work folder of what each target database holds now and
// what its kept previous database holds: a small SQLite database, written
// after each target is published or restored.
class HoldingsRecord {
public:
    explicit HoldingsRecord(const std::string& work_folder);

    std::optional<Holding> current(const TargetRow& row) const;
    std::optional<Holding> previous(const TargetRow& row) const;

    // The target now holds the categories whose cycle is given (the others as
    // before); with `kept_previous`, what it held before is now its previous.
    void published(const TargetRow& row, const SelectedCycles& updated, bool kept_previous);
    // The target and its previous database changed places.
    void restored(const TargetRow& row);

private:
    std::optional<Holding> read(const TargetRow& row, const char* generation) const;
    // Writes one generation's holding; none removes it.
    void write(const TargetRow& row, const char* generation, const std::optional<Holding>& holding);

    Connection connection_;
};

// The record's file name in the work folder.
inline constexpr const char* kHoldingsRecordName = "holdings.db";

// The work folder's record when it has one that can be read; none is made.
std::optional<HoldingsRecord> read_holdings_record(const std::string& work_folder);

// Whether the database file at path is still the one the holding describes:
// nothing has written it since this program did.
bool unchanged_since(const Holding& holding, const std::string& path);

// What the record says a product's database holds, where nothing has written
// that file since this program did; none otherwise.
std::optional<Holding> held_unchanged(const HoldingsRecord& record, const TargetRow& row);

} // namespace quill
