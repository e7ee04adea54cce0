// Statements of fixed text, declared as constants beside the code that runs them.
#pragma once

#include <string_view>

namespace quill {

class Connection;

// A statement with a fixed text that returns nothing of interest (a delete, a pragma).
class Query {
public:
    explicit constexpr Query(std::string_view sql) : sql_(sql) {}

    std::string_view sql() const { return sql_; }
    // Prepares, runs to the end and finalizes; SQLite's message on failure.
    void execute(const Connection& connection) const;

private:
    std::string_view sql_;
};

} // namespace quill
