// How SQLite's quick check is run and its report read.
#include "database/quick_check.h"

#include "app/error.h"
#include "database/connection.h"
#include "database/statement.h"

namespace quill {

void quick_check(const std::string& path) {
    Connection connection;
    connection.open(path);
    Statement check(connection, "PRAGMA quick_check");
    std::string report;
    while (check.step()) {
        if (!report.empty()) report.push_back('\n');
        report.append(check.column_text(0));
    }
    if (report != "ok") throw Error(report);
}

} // namespace quill
