// Creates a product database from data/product_schema.sql, and copies one file over another.
#include "support/product_database.h"

#include <filesystem>
#include <fstream>
#include <sqlite3.h>
#include <sstream>
#include <stdexcept>

namespace quill::bench {

void make_product(const std::string& path) {
    std::filesystem::remove(path);
    std::ifstream in(QUILL_PRODUCT_SCHEMA);
    std::stringstream schema;
    schema << in.rdbuf();
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const int rc = sqlite3_exec(db, schema.str().c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("cannot create the product database " + path);
}

void copy_over(const std::string& from, const std::string& to) {
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
}

} // namespace quill::bench
