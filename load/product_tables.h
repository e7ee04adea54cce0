// Names a file that is not a product database before a run copies from it or over it.
#pragma once

#include <string>

namespace quill {

class Connection;

// Makes sure the file at path, open on the connection, is a product
// database: an SQLite database holding every table a run writes. Throws
// "<path> is not a product database: <why>" otherwise, so that a file left
// empty or broken by something else is named instead of failing later on a
// missing table. Errors of reading it (a busy file) are thrown as they come.
void require_product_tables(const Connection& connection, const std::string& path);

} // namespace quill
