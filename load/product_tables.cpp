// How a file's header and tables are checked before it is taken as a product database.
#include "load/product_tables.h"

#include "app/error.h"
#include "app/platform.h"
#include "load/work_database.h"

#include <string_view>

namespace quill {

namespace {

// Every SQLite 3 database file begins with these 16 bytes.
constexpr std::string_view kSqliteHeader{"SQLite format 3\0", 16};

// What the file's first bytes say against it; empty when they are an SQLite header.
std::string header_fault(const std::string& path) {
    SystemFile file = SystemFile::open_to_read(path);
    const std::string start = read_up_to(file, kSqliteHeader.size());
    file.close();
    if (start.empty()) return "the file is empty";
    if (start != kSqliteHeader) return "the file is not an SQLite database";
    return {};
}

} // namespace

void require_product_tables(const Connection& connection, const std::string& path) {
    std::string fault = header_fault(path);
    if (fault.empty())
        if (const std::string_view missing = missing_work_table(connection); !missing.empty())
            fault = "it has no table " + std::string(missing);
    if (!fault.empty()) throw Error(path + " is not a product database: " + fault);
}

} // namespace quill
