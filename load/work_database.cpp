// The work tables by name and category, and how they are emptied, counted and opened.
#include "load/work_database.h"

#include "database/statement.h"

#include <algorithm>
#include <span>
#include <string>
#include <utility>

namespace quill {

namespace {

constexpr std::array<std::string_view, kWorkTableCount> kTableNames{
    "Airport",   "NavNDB",        "NavVOR",          "NavWPT", "NavDME", "AirportInfo", "AirportComms",
    "NavAirway", "NavLocalizer",  "NavGlideslope",   "NavMarkerBeacon",  "NavFPAP",     "NavLTP"};

constexpr std::array kAirportTables{WorkTable::Airport, WorkTable::AirportInfo, WorkTable::AirportComms};
constexpr std::array kNavaidTables{WorkTable::NDB,        WorkTable::DME,          WorkTable::VOR,
                                   WorkTable::Localizer,  WorkTable::Glideslope,   WorkTable::MarkerBeacon,
                                   WorkTable::FPAP,       WorkTable::LTP};
constexpr std::array kWaypointTables{WorkTable::WPT};
constexpr std::array kAirwayTables{WorkTable::Airway};

// The tables a category's data fills, in the order they are emptied.
std::span<const WorkTable> tables_of(Category category) {
    switch (category) {
    case Category::Airports: return kAirportTables;
    case Category::NavAids: return kNavaidTables;
    case Category::Waypoints: return kWaypointTables;
    case Category::Airways: return kAirwayTables;
    }
    return {};
}

template <std::size_t... I>
std::array<Table, kWorkTableCount> make_tables(std::index_sequence<I...>) {
    return {Table(kTableNames[I])...};
}

} // namespace

std::string_view table_name(WorkTable which) { return kTableNames[static_cast<std::size_t>(which)]; }

std::int64_t count_category_rows(const Connection& connection, Category category) {
    std::int64_t rows = 0;
    for (const WorkTable which : tables_of(category)) {
        Statement count(connection, "SELECT count(*) FROM " + std::string(table_name(which)));
        count.step();
        rows += count.column_int64(0);
    }
    return rows;
}

std::string_view missing_work_table(const Connection& connection) {
    Statement query(connection, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
    for (const std::string_view name : kTableNames) {
        query.reset();
        query.bind_text(0, name, false);
        if (!query.step()) return name;
    }
    return {};
}

Category category_of(WorkTable which) {
    const auto fills = [&](Category category) {
        return std::ranges::count(tables_of(category), which) > 0;
    };
    return *std::ranges::find_if(kCategories, fills);
}

WorkDatabase::WorkDatabase() : tables_(make_tables(std::make_index_sequence<kWorkTableCount>{})) {}

void WorkDatabase::prepare_to_load(const Connection& connection) {
    for (const char* setting :
         {"PRAGMA journal_mode = OFF", "PRAGMA synchronous = OFF", "PRAGMA cache_size = -8192"})
        Query(setting).execute(connection);
}

void WorkDatabase::clear(Category category) {
    for (const WorkTable which : tables_of(category))
        Statement(connection, "Delete from " + std::string(table_name(which))).execute();
}

void WorkDatabase::open_tables() {
    for (Table& table : tables_) table.open(connection);
}

void WorkDatabase::close() {
    for (Table& table : tables_) table.close();
    connection.close();
}

} // namespace quill
