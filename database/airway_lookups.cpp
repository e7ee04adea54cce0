#include "database/airway_lookups.h"

#include "database/data_module.h"
#include "database/load_blocks.h"
#include "database/statement.h"

namespace quill {

namespace {

struct LookupTable {
    std::string_view fix_type;
    Table TdfmMain::*table;
    std::string_view key_column;
};

// In the order the fix types are tested.
constexpr std::array<LookupTable, 3> kLookupTables{{{"WPT", &TdfmMain::FDTableWPT, "WPTName"},
                                                   {"NDB", &TdfmMain::FDTableNDB, "NDBID"},
                                                   {"VOR", &TdfmMain::FDTableVOR, "VORID"}}};

bool is_empty(const Table& table) {
    Statement select(table.connection(), "SELECT 1 FROM \"" + std::string(table.name()) + "\" LIMIT 1");
    return !select.step();
}

} // namespace

FixRecorders::FixRecorders(const TdfmMain& module) {
    for (std::size_t i = 0; i < kLookupTables.size(); ++i)
        if (is_empty(module.*kLookupTables[i].table)) recorders_[i].emplace(kLookupTables[i].key_column);
}

FixRecorder* FixRecorders::for_block(const LoadBlock& block) {
    for (std::size_t i = 0; i < kLookupTables.size(); ++i)
        if (block.table == kLookupTables[i].table && recorders_[i]) return &*recorders_[i];
    return nullptr;
}

std::optional<FixRows> FixRecorders::take(std::size_t lookup) {
    std::optional<FixRecorder>& recorder = recorders_[lookup];
    if (!recorder) return std::nullopt;
    std::optional<FixRows> rows(std::move(recorder->rows()));
    recorder.reset();
    return rows;
}

AirwayLookups::AirwayLookups(const TdfmMain& module, FixRecorders& recorded) {
    for (std::size_t i = 0; i < kLookupTables.size(); ++i) {
        if (std::optional<FixRows> rows = recorded.take(i)) indexes_[i].emplace(std::move(*rows));
        else indexes_[i].emplace(module.*kLookupTables[i].table, kLookupTables[i].key_column);
    }
}

const FixIndex* AirwayLookups::for_fix_type(std::string_view fix_type) const {
    for (std::size_t i = 0; i < kLookupTables.size(); ++i)
        if (fix_type == kLookupTables[i].fix_type) return &*indexes_[i];
    return nullptr;
}

} // namespace quill
