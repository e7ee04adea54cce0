#include "database/foreseen_waypoints.h"

#include "convert/text_encoding.h"
#include "database/load_blocks.h"
#include "database/row_batch.h"
#include "database/work_database.h"

#include <algorithm>

namespace quill {

namespace {

const LoadBlock& fix_block() {
    return *std::ranges::find(kLoadBlocks, WorkTable::WPT, &LoadBlock::table);
}

// Where a column's value comes in each row of the block.
std::size_t place_of(std::string_view column) {
    const std::vector<std::string_view> columns = column_names(fix_block());
    return static_cast<std::size_t>(std::ranges::find(columns, column) - columns.begin());
}

} // namespace

ForeseenWaypoints::ForeseenWaypoints()
    : latitude_(place_of("Latitude")), longitude_(place_of("Longitude")), name_(place_of("WPTName")) {}

// A name is stored as UTF-8, as the insert binds it.
void ForeseenWaypoints::add(const RowBatch& batch) {
    for (std::size_t row = 0; row < batch.size(); ++row) {
        const std::span<const RowBatch::Value> values = batch.row(row);
        const std::string_view name = batch.text(values[name_]);
        const FixPosition position = stored_position(values[latitude_].number, values[longitude_].number);
        if (is_ascii(name)) rows_.add(name, position);
        else rows_.add(to_utf8(name), position);
    }
}

FixIndex ForeseenWaypoints::group() { return FixIndex(std::move(rows_)); }

} // namespace quill
