#include "database/fix_index.h"

#include "convert/error.h"
#include "convert/number_text.h"
#include "database/statement.h"
#include "database/table.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <sqlite3.h>

namespace quill {

namespace {

enum LookupColumn { kKey, kLatitude, kLongitude };

std::string select_sql(const Table& table, std::string_view key_column) {
    return "SELECT \"" + table.column(key_column) + "\", \"" + table.column("Latitude") + "\", \"" +
           table.column("Longitude") + "\" FROM \"" + std::string(table.name()) + "\" ORDER BY rowid";
}

// A coordinate read as text: a stored number as SQLite writes it, with up to
// 15 significant digits; a stored text as it is. False when it is no number.
bool read_coordinate(const Statement& select, int column, double& value) {
    switch (select.column_type(column)) {
    case SQLITE_FLOAT: return parse_number(format_number(select.column_double(column)), value);
    case SQLITE_INTEGER: value = static_cast<double>(select.column_int64(column)); return true;
    default: return parse_number(select.column_text(column), value);
    }
}

} // namespace

FixIndex::FixIndex(const Table& table, std::string_view key_column) {
    Statement select(table.connection(), select_sql(table, key_column));
    std::vector<std::size_t> starts;
    std::vector<FixPosition> stored;
    while (select.step()) {
        if (select.column_type(kKey) == SQLITE_NULL) continue;
        starts.push_back(names_.size());
        names_.append(select.column_text(kKey));
        FixPosition position{};
        const bool latitude = read_coordinate(select, kLatitude, position.latitude);
        const bool longitude = latitude && read_coordinate(select, kLongitude, position.longitude);
        if (!longitude) {
            bad_texts_.emplace_back(select.column_text(latitude ? kLongitude : kLatitude));
            position = {NAN, NAN, static_cast<std::uint32_t>(bad_texts_.size())};
        }
        stored.push_back(position);
    }
    starts.push_back(names_.size());

    const auto key = [&](std::size_t row) {
        return std::string_view(names_).substr(starts[row], starts[row + 1] - starts[row]);
    };
    std::vector<std::size_t> order(stored.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::stable_sort(order, {}, key);
    keys_.reserve(order.size());
    positions_.reserve(order.size());
    for (const std::size_t row : order) {
        keys_.push_back(key(row));
        positions_.push_back(stored[row]);
    }
}

std::span<const FixPosition> FixIndex::find(std::string_view name) const {
    const auto [first, last] = std::equal_range(keys_.begin(), keys_.end(), name);
    return std::span(positions_).subspan(static_cast<std::size_t>(first - keys_.begin()),
                                         static_cast<std::size_t>(last - first));
}

void FixIndex::require_numbers(const FixPosition& position) const {
    if (position.bad_text != 0) throw number_error(bad_texts_[position.bad_text - 1]);
}

} // namespace quill
