// The work database as a run loads it: its thirteen tables and the categories that fill them.
#pragma once

#include "app/categories.h"
#include "database/connection.h"
#include "database/query.h"
#include "database/table.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace quill {

// The tables a run writes, in the order they are opened: the first missing
// one is the one reported.
enum class WorkTable {
    Airport, NDB, VOR, WPT, DME, AirportInfo, AirportComms, Airway,
    Localizer, Glideslope, MarkerBeacon, FPAP, LTP
};
inline constexpr std::size_t kWorkTableCount = 13;

// The work database as the loading step uses it: the connection and one
// table object per table, indexed by WorkTable.
class WorkDatabase {
public:
    // The settings of the connection that loads. No journal: a failed load
    // leaves a scratch file that the next run replaces. No flush to disk:
    // only the copies that replace product databases must outlive a crash,
    // and each is flushed before it does. A page cache of 8 MB: the waypoint
    // name index of a world cycle outgrows SQLite's default 2 MB, and every
    // page it spills costs a write and a read back.
    static void prepare_to_load(const Connection& connection);

    WorkDatabase();

    Connection connection;

    Table& table(WorkTable which) { return tables_[static_cast<std::size_t>(which)]; }
    const Table& table(WorkTable which) const { return tables_[static_cast<std::size_t>(which)]; }

    // Empties the tables of one category with "Delete from <table>".
    void clear(Category category);
    // Opens every table; a missing one fails here.
    void open_tables();
    // Closes the tables, then the connection.
    void close();

private:
    std::array<Table, kWorkTableCount> tables_;
};

// The product database's name of a table.
std::string_view table_name(WorkTable which);

// The rows the tables of a category hold together in the open database.
std::int64_t count_category_rows(const Connection& connection, Category category);

// The first of the tables a run writes that the open database lacks, in
// WorkTable order; empty when it has them all. A file that is no database
// at all fails with SQLite's message.
std::string_view missing_work_table(const Connection& connection);

// The category whose data fills a table.
Category category_of(WorkTable which);

} // namespace quill
