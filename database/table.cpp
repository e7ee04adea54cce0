// How a table's columns are learned and a column found whatever its letter case.
#include "database/table.h"

#include "app/error.h"
#include "database/statement.h"

#include <algorithm>

namespace quill {

namespace {

bool same_name(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

void Table::open(const Connection& connection) {
    Statement select(connection, "SELECT * FROM \"" + std::string(name_) + "\"");
    columns_.clear();
    for (int i = 0; i < select.column_count(); ++i) columns_.emplace_back(select.column_name(i));
    connection_ = &connection;
}

void Table::close() {
    connection_ = nullptr;
    columns_.clear();
}

const Connection& Table::connection() const {
    if (!connection_) throw Error("Table " + std::string(name_) + " is not open");
    return *connection_;
}

const std::string& Table::column(std::string_view name) const {
    const auto found =
        std::ranges::find_if(columns_, [&](const std::string& c) { return same_name(c, name); });
    if (found == columns_.end()) throw Error("Field '" + std::string(name) + "' not found");
    return *found;
}

} // namespace quill
