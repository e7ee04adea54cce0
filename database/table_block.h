#pragma once

#include <string>

namespace quill {

class Table;
struct LoadBlock;

// Appends one row per line of the intermediate file (after its header line),
// each column set from its field. Errors carry the file and line.
void load_rows(const LoadBlock& block, const Table& table, const std::string& path);

} // namespace quill
