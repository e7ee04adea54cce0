#include "database/fix_index.h"

#include "convert/error.h"
#include "convert/number_text.h"
#include "database/statement.h"
#include "database/table.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <sqlite3.h>

namespace quill {

namespace {

enum LookupColumn { kKey, kLatitude, kLongitude };

std::string select_sql(const Table& table, std::string_view key_column) {
    return "SELECT \"" + table.column(key_column) + "\", \"" + table.column("Latitude") + "\", \"" +
           table.column("Longitude") + "\" FROM \"" + std::string(table.name()) + "\" ORDER BY rowid";
}

std::size_t hash_of(std::string_view key) { return std::hash<std::string_view>{}(key); }
// The high half of the hash; the low bits choose the slot.
std::uint32_t tag_of(std::size_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

// A stored number as SQLite writes it, with 15 significant digits. A number
// that is the nearest double to a decimal of at most 9 decimals below a
// million has at most 15 digits and reads back unchanged; that covers every
// coordinate written in degrees, and proving it costs far less than writing.
bool stored_number(double stored, double& value) {
    if (std::abs(stored) < 1e6 && std::nearbyint(stored * 1e9) / 1e9 == stored) {
        value = stored;
        return true;
    }
    return std::isfinite(stored) && parse_number(format_number(stored), value);
}

// A coordinate read as text: a stored number as SQLite writes it; a stored
// text as it is. False when it is no number.
bool read_coordinate(const Statement& select, int column, double& value) {
    switch (select.column_type(column)) {
    case SQLITE_FLOAT: return stored_number(select.column_double(column), value);
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
        starts.push_back(text_.size());
        text_.append(select.column_text(kKey));
        FixPosition position{};
        const bool latitude = read_coordinate(select, kLatitude, position.latitude);
        const bool longitude = latitude && read_coordinate(select, kLongitude, position.longitude);
        if (!longitude) {
            bad_texts_.emplace_back(select.column_text(latitude ? kLongitude : kLatitude));
            position = {NAN, NAN, static_cast<std::uint32_t>(bad_texts_.size())};
        }
        stored.push_back(position);
    }
    starts.push_back(text_.size());
    group_by_name(starts, stored);
}

// Finds each row's name (adding new ones), gives each name its slice of
// positions_, then fills the slices in stored order.
void FixIndex::group_by_name(const std::vector<std::size_t>& starts, const std::vector<FixPosition>& stored) {
    const std::size_t rows = stored.size();
    slots_.assign(std::bit_ceil(std::max<std::size_t>(2 * rows, 1)), Slot{0, 0});
    names_.reserve(rows);
    std::vector<std::uint32_t> name_of(rows);
    for (std::size_t row = 0; row < rows; ++row) {
        const std::string_view key = std::string_view(text_).substr(starts[row], starts[row + 1] - starts[row]);
        const std::size_t hash = hash_of(key);
        Slot& slot = slots_[probe(key, hash)];
        if (slot.name == 0) {
            names_.push_back({key, 0, 0});
            slot = {tag_of(hash), static_cast<std::uint32_t>(names_.size())};
        }
        name_of[row] = slot.name - 1;
        ++names_[slot.name - 1].count;
    }
    std::uint32_t begin = 0;
    for (Name& name : names_) {
        name.begin = begin;
        begin += name.count;
        name.count = 0;
    }
    positions_.resize(rows);
    for (std::size_t row = 0; row < rows; ++row) {
        Name& name = names_[name_of[row]];
        positions_[name.begin + name.count++] = stored[row];
    }
}

std::size_t FixIndex::probe(std::string_view key, std::size_t hash) const {
    const std::uint32_t tag = tag_of(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.name == 0 || (slot.tag == tag && names_[slot.name - 1].key == key)) return i;
    }
}

std::span<const FixPosition> FixIndex::find(std::string_view name) const {
    const Slot& slot = slots_[probe(name, hash_of(name))];
    if (slot.name == 0) return {};
    return std::span(positions_).subspan(names_[slot.name - 1].begin, names_[slot.name - 1].count);
}

void FixIndex::require_numbers(const FixPosition& position) const {
    if (position.bad_text != 0) throw number_error(bad_texts_[position.bad_text - 1]);
}

} // namespace quill
