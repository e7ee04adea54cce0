#pragma once

#include "app/categories.h"
#include "database/connection.h"
#include "database/query.h"
#include "database/table.h"

namespace quill {

// The database components of the work database: the connection, one table
// object per table and the fixed statements.
class TdfmMain {
public:
    Connection FDConnection;
    Table FDTableAirport{"Airport"};
    Table FDTableNDB{"NavNDB"};
    Table FDTableVOR{"NavVOR"};
    Table FDTableWPT{"NavWPT"};
    Table FDTableAirportComms{"AirportComms"};
    Table FDTableAirportInfo{"AirportInfo"};
    Table FDTableAirway{"NavAirway"};
    Table FDTableDME{"NavDME"};
    Query FDQueryDelAirport{"Delete from Airport"};
    Query FDQueryDelNDB{"Delete from NavNDB"};
    Query FDQueryDelVOR{"Delete from NavVOR"};
    Query FDQueryDelWPT{"Delete from NavWPT"};
    Query FDQueryDelAirportComms{"Delete from AirportComms"};
    Query FDQueryDelAirportInfo{"Delete from AirportInfo"};
    Query FDQueryDelAirway{"Delete from NavAirway"};
    Query FDQueryDelDME{"Delete from NavDME"};
    Query FDQuerySetParams{"PRAGMA journal_mode = OFF;"};
    // The waypoint name index of a world cycle outgrows SQLite's default 2 MB
    // page cache; every page it spills costs a write and a read back.
    Query FDQuerySetCache{"PRAGMA cache_size = -8192;"};
    Table FDTableLocalizer{"NavLocalizer"};
    Table FDTableGlideslope{"NavGlideslope"};
    Table FDTableMarkerBeacon{"NavMarkerBeacon"};
    Query FDQueryDelLocalizer{"Delete from NavLocalizer"};
    Query FDQueryDelGlideslope{"Delete from NavGlideslope"};
    Query FDQueryDelMarkerBeacon{"Delete from NavMarkerBeacon"};
    Query FDQueryDelFPAP{"Delete from NavFPAP"};
    Query FDQueryDelLTP{"Delete from NavLTP"};
    Table FDTableFPAP{"NavFPAP"};
    Table FDTableLTP{"NavLTP"};

    // Empties the tables of one category.
    void clear(Category category);
    // Opens all thirteen tables; a missing one fails here.
    void open_tables();
    // Closes the tables, then the connection.
    void close();
};

} // namespace quill
