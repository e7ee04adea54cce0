// How the fix block's rows are taken as the table would store them, and checked against it.
#include "load/foreseen_waypoints.h"

#include "convert/text_encoding.h"
#include "load/load_blocks.h"
#include "load/row_batch.h"
#include "load/work_database.h"

#include <algorithm>
#include <bit>

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

// A row of the fix block as the table gives it back: its name stored as
// UTF-8, as the insert binds it, and its coordinates as numbers.
struct BoundRow {
    std::string name;
    FixPosition position;
};

void take_row(const RowBatch& batch, std::size_t row, BoundRow& bound) {
    static const std::size_t latitude = place_of("Latitude");
    static const std::size_t longitude = place_of("Longitude");
    static const std::size_t name = place_of("WPTName");
    const std::span<const RowBatch::Value> values = batch.row(row);
    const std::string_view text = batch.text(values[name]);
    if (is_ascii(text)) bound.name.assign(text);
    else bound.name = to_utf8(text);
    bound.position = stored_position(values[latitude].number, values[longitude].number);
}

bool same_bits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

} // namespace

ForeseenWaypoints::ForeseenWaypoints(FixFileRows& file) : file_(&file) {}

void ForeseenWaypoints::add(const RowBatch& batch) {
    BoundRow bound;
    for (std::size_t row = 0; row < batch.size(); ++row) {
        take_row(batch, row, bound);
        rows_.add(bound.name, bound.position);
    }
}

void ForeseenWaypoints::group() { grouped_.emplace(std::move(rows_)); }

FixIndex ForeseenWaypoints::index() && { return std::move(*grouped_); }

bool ForeseenWaypoints::held_by(const Table& table) const {
    FixRowReader theirs(table, "WPTName");
    BoundRow mine;
    std::string_view name;
    FixPosition position{};
    std::optional<std::string_view> bad_text;
    while (const RowBatch* batch = file_->next()) {
        if (batch->failure()) return false;
        for (std::size_t row = 0; row < batch->size(); ++row) {
            take_row(*batch, row, mine);
            if (!theirs.next(name, position, bad_text) || bad_text || name != mine.name ||
                !same_bits(position.latitude, mine.position.latitude) ||
                !same_bits(position.longitude, mine.position.longitude))
                return false;
        }
    }
    return !theirs.next(name, position, bad_text);
}

} // namespace quill
