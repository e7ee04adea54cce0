// How the lookup rows are read back from their table and grouped by name in place.
#include "load/fix_index.h"

#include "app/error.h"
#include "convert/number_text.h"
#include "database/statement.h"
#include "database/table.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <functional>
#include <optional>
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

void FixRows::add(std::string_view name, const FixPosition& position) {
    starts.push_back(static_cast<std::uint32_t>(names.size()));
    names.append(name);
    positions.push_back(position);
}

FixRowReader::FixRowReader(const Table& table, std::string_view key_column)
    : select_(table.connection(), select_sql(table, key_column)) {}

bool FixRowReader::next(std::string_view& name, FixPosition& position,
                        std::optional<std::string_view>& bad_text) {
    while (select_.step()) {
        if (select_.column_type(kKey) == SQLITE_NULL) continue;
        name = select_.column_text(kKey);
        position = {NAN, NAN, 0};
        bad_text.reset();
        if (!read_coordinate(select_, kLatitude, position.latitude))
            bad_text = select_.column_text(kLatitude);
        else if (!read_coordinate(select_, kLongitude, position.longitude))
            bad_text = select_.column_text(kLongitude);
        if (bad_text) position = {NAN, NAN, 0};
        return true;
    }
    return false;
}

// A coordinate that is no number is kept as text; the row lies nowhere.
FixRows read_fix_rows(const Table& table, std::string_view key_column) {
    FixRowReader reader(table, key_column);
    FixRows rows;
    std::string_view name;
    FixPosition position{};
    std::optional<std::string_view> bad_text;
    while (reader.next(name, position, bad_text)) {
        if (bad_text) {
            rows.bad_texts.emplace_back(*bad_text);
            position.bad_text = static_cast<std::uint32_t>(rows.bad_texts.size());
        }
        rows.add(name, position);
    }
    return rows;
}

FixPosition stored_position(double latitude, double longitude) {
    FixPosition position{NAN, NAN, 0};
    stored_number(latitude, position.latitude);
    stored_number(longitude, position.longitude);
    return position;
}

FixIndex::FixIndex(const Table& table, std::string_view key_column)
    : FixIndex(read_fix_rows(table, key_column)) {}

FixIndex::FixIndex(FixRows rows)
    : text_(std::move(rows.names)), bad_texts_(std::move(rows.bad_texts)) {
    rows.starts.push_back(static_cast<std::uint32_t>(text_.size()));
    group_by_name(rows.starts, std::move(rows.positions));
}

// The rows are grouped by name in four steps, so that the rows of a name lie
// together in stored order. They move to their places where they are: at a
// million fixes a second array of positions would cost 24 MB. Each step's
// result takes over the storage of the array it was made from.
void FixIndex::group_by_name(const std::vector<std::uint32_t>& starts, std::vector<FixPosition> stored) {
    slots_.assign(std::bit_ceil(std::max<std::size_t>(2 * stored.size(), 1)) + 1, Slot{});
    std::vector<std::uint32_t> rows_in_slot(slots_.size());
    std::vector<std::uint32_t> slot_of_row = enter_names(starts, rows_in_slot);
    std::vector<std::uint32_t> slice_begin = set_slice_begins(std::move(rows_in_slot));
    move_to_places(stored, places_in_slices(std::move(slot_of_row), std::move(slice_begin)));
    positions_ = std::move(stored);
}

// Each row's slot, entering every name at its first row; counts the rows of each slot.
std::vector<std::uint32_t> FixIndex::enter_names(const std::vector<std::uint32_t>& starts,
                                                 std::vector<std::uint32_t>& rows_in_slot) {
    const std::size_t rows = starts.size() - 1;
    std::vector<std::uint32_t> slot_of_row(rows);
    for (std::size_t row = 0; row < rows; ++row) {
        const std::string_view key =
            std::string_view(text_).substr(starts[row], starts[row + 1] - starts[row]);
        const std::size_t at = probe(key);
        Slot& slot = slots_[at];
        if (slot.length == 0)
            slot = {key.size() <= kInline ? inline_name(key) : starts[row],
                    static_cast<std::uint32_t>(key.size() + 1), 0};
        slot_of_row[row] = static_cast<std::uint32_t>(at);
        ++rows_in_slot[at];
    }
    return slot_of_row;
}

// Each slot's slice begins where the rows of the slots before it end; the
// spare last slot begins after every row. Gives the begins as well.
std::vector<std::uint32_t> FixIndex::set_slice_begins(std::vector<std::uint32_t> rows_in_slot) {
    std::vector<std::uint32_t>& slice_begin = rows_in_slot;  // each count turns into its slot's begin
    std::uint32_t begin = 0;
    for (std::size_t slot = 0; slot < slots_.size(); ++slot) {
        const std::uint32_t rows = rows_in_slot[slot];
        slots_[slot].begin = slice_begin[slot] = begin;
        begin += rows;
    }
    return std::move(slice_begin);
}

// Each row's place: the next free place in its slot's slice, so that the
// rows of a slot keep their stored order.
std::vector<std::uint32_t> FixIndex::places_in_slices(std::vector<std::uint32_t> slot_of_row,
                                                      std::vector<std::uint32_t> next_free) {
    std::vector<std::uint32_t>& place = slot_of_row;  // each row's slot turns into its place
    for (std::uint32_t& entry : place) entry = next_free[entry]++;
    return std::move(place);
}

// Follows each cycle of the permutation: swaps the row held at an index to
// its place until the row that belongs there arrives. place[i] is always the
// place of the row now held at i.
void FixIndex::move_to_places(std::vector<FixPosition>& rows, std::vector<std::uint32_t> place) {
    for (std::size_t at = 0; at < rows.size(); ++at) {
        while (place[at] != at) {
            const std::uint32_t to = place[at];
            std::swap(rows[at], rows[to]);
            std::swap(place[at], place[to]);
        }
    }
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
