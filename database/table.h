// A table of the work database as the loader fills it, with the columns it really has.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

class Connection;

// One table of the work database. Opening it checks that the table exists and
// learns its columns; rows are appended through a RowAppender.
class Table {
public:
    explicit Table(std::string_view name) : name_(name) {}

    // Fails with SQLite's message ("no such table: NavLTP") when the table is missing.
    void open(const Connection& connection);
    void close();

    bool is_open() const { return connection_ != nullptr; }
    std::string_view name() const { return name_; }
    const Connection& connection() const;

    // The column's name as the table spells it; column names ignore letter
    // case. Throws "Field '<name>' not found".
    const std::string& column(std::string_view name) const;

private:
    std::string_view name_;
    const Connection* connection_ = nullptr;
    std::vector<std::string> columns_;
};

} // namespace quill
