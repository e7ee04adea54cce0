#include "database/fix_index.h"

#include "app/error.h"
#include "convert/number_text.h"
#include "database/statement.h"
#include "database/table.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <functional>
#include <sqlite3.h>

namespace quill {

namespace {

enum LookupColumn { kKey, kLatitude, kLongitude };

std::string select_sql(const Table& table, std::string_view key_column) {
    return "SELECT \"" + table.column(key_column) + "\", \"" + table.column("Latitude") + "\", \"" +
           table.column("Longitude") + "\" FROM \"" + std::string(table.name()) + "\" ORDER BY rowid";
}

// Names this short are kept in their slot.
constexpr std::size_t kInline = sizeof(std::uint64_t);

std::uint64_t inline_name(std::string_view key) {
    std::uint64_t name = 0;
    std::memcpy(&name, key.data(), key.size());
    return name;
}

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
    std::vector<std::uint32_t> starts;
    std::vector<FixPosition> stored;
    while (select.step()) {
        if (select.column_type(kKey) == SQLITE_NULL) continue;
        starts.push_back(static_cast<std::uint32_t>(text_.size()));
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
    starts.push_back(static_cast<std::uint32_t>(text_.size()));
    group_by_name(starts, std::move(stored));
}

// Counts the rows of each name (adding new names), turns the counts into
// slice ends, then gives each row its place, last row first, so the rows of a
// name keep their stored order. The rows move to their places where they
// are: at a million fixes a second array would cost 24 MB.
void FixIndex::group_by_name(const std::vector<std::uint32_t>& starts, std::vector<FixPosition> stored) {
    const std::size_t rows = stored.size();
    slots_.assign(std::bit_ceil(std::max<std::size_t>(2 * rows, 1)) + 1, Slot{});
    std::vector<std::uint32_t> place(rows); // first the row's slot, then its place
    for (std::size_t row = 0; row < rows; ++row) {
        const std::string_view key =
            std::string_view(text_).substr(starts[row], starts[row + 1] - starts[row]);
        const std::size_t at = probe(key);
        Slot& slot = slots_[at];
        if (slot.length == 0)
            slot = {key.size() <= kInline ? inline_name(key) : starts[row],
                    static_cast<std::uint32_t>(key.size() + 1), 0};
        ++slot.begin;
        place[row] = static_cast<std::uint32_t>(at);
    }
    std::uint32_t end = 0;
    for (Slot& slot : slots_) slot.begin = end += slot.begin;
    for (std::size_t row = rows; row-- > 0;) place[row] = --slots_[place[row]].begin;
    for (std::size_t row = 0; row < rows; ++row) {
        while (place[row] != row) {
            const std::uint32_t to = place[row];
            std::swap(stored[row], stored[to]);
            std::swap(place[row], place[to]);
        }
    }
    positions_ = std::move(stored);
}

bool FixIndex::holds(const Slot& slot, std::string_view key) const {
    if (slot.length != key.size() + 1) return false;
    if (key.size() <= kInline) return slot.name == inline_name(key);
    return std::string_view(text_).substr(slot.name, key.size()) == key;
}

std::size_t FixIndex::probe(std::string_view key) const {
    const std::size_t mask = slots_.size() - 2;
    for (std::size_t i = std::hash<std::string_view>{}(key)&mask;; i = (i + 1) & mask) {
        if (slots_[i].length == 0 || holds(slots_[i], key)) return i;
    }
}

std::span<const FixPosition> FixIndex::find(std::string_view name) const {
    const std::size_t at = probe(name);
    return std::span(positions_).subspan(slots_[at].begin, slots_[at + 1].begin - slots_[at].begin);
}

void FixIndex::require_numbers(const FixPosition& position) const {
    if (position.bad_text != 0) throw number_error(bad_texts_[position.bad_text - 1]);
}

} // namespace quill
