// Finds the positions of the fixes an airway names, from the waypoint, NDB and VOR tables.
#pragma once

#include "database/statement.h"
#include "geometry/fix_position.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

class Table;

// The rows of a lookup table as an index takes them, in stored order: each
// row's name and where it lies. Rows without a name are left out.
struct FixRows {
    std::string names;                 // one after another
    std::vector<std::uint32_t> starts; // where each row's name begins in names
    std::vector<FixPosition> positions;
    std::vector<std::string> bad_texts;

    void add(std::string_view name, const FixPosition& position);
};

// The named rows of a table (NavWPT, NavNDB, NavVOR) one by one, in stored
// order, as an index takes them.
class FixRowReader {
public:
    FixRowReader(const Table& table, std::string_view key_column);

    // False after the last row. A coordinate that is no number leaves its
    // text in bad_text, and then the position is no place.
    bool next(std::string_view& name, FixPosition& position,
              std::optional<std::string_view>& bad_text);

private:
    Statement select_;
};

// Every named row of a table by its name column.
FixRows read_fix_rows(const Table& table, std::string_view key_column);

// Where a fix bound with these coordinates lies once read back from a table
// that stores them as numbers.
FixPosition stored_position(double latitude, double longitude);

// Every row of a lookup table by its name: the rows of one name in stored
// order. Built once, then searched by exact name.
class FixIndex {
public:
    explicit FixIndex(FixRows rows);
    FixIndex(const Table& table, std::string_view key_column);
    FixIndex(FixIndex&&) = default;
    FixIndex(const FixIndex&) = delete;
    FixIndex& operator=(const FixIndex&) = delete;

    // The rows whose name equals the text exactly (same case), earliest first.
    std::span<const FixPosition> find(std::string_view name) const;
    // Throws "'<text>' is not a valid floating point value" for a row whose
    // stored coordinate is not a number.
    void require_numbers(const FixPosition& position) const;

private:
    // A name of the open-addressing table. Its rows are positions_ from its
    // begin to the next slot's begin (a last, spare slot ends the table).
    struct Slot {
        std::uint64_t name;   // up to 8 bytes: the bytes, zero-padded; longer: the offset in text_
        std::uint32_t length; // 1 + the name's length; 0 marks an empty slot
        std::uint32_t begin;
    };

    // The slot of the name, or the empty slot where it would go.
    std::size_t probe(std::string_view key) const;
    bool holds(const Slot& slot, std::string_view key) const;
    void group_by_name(const std::vector<std::uint32_t>& starts, std::vector<FixPosition> stored);
    std::vector<std::uint32_t> enter_names(const std::vector<std::uint32_t>& starts,
                                           std::vector<std::uint32_t>& rows_in_slot);
    std::vector<std::uint32_t> set_slice_begins(std::vector<std::uint32_t> rows_in_slot);
    static std::vector<std::uint32_t> places_in_slices(std::vector<std::uint32_t> slot_of_row,
                                                       std::vector<std::uint32_t> next_free);
    static void move_to_places(std::vector<FixPosition>& rows, std::vector<std::uint32_t> place);

    std::string text_;
    std::vector<Slot> slots_;
    std::vector<FixPosition> positions_;
    std::vector<std::string> bad_texts_;
};

} // namespace quill
