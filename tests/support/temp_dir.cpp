#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sqlite3.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

namespace quill::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "quillstrom-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string TempDir::operator/(std::string_view name) const {
    return path_ + "/" + std::string(name);
}

AppDataSandbox::AppDataSandbox() {
    if (const char* old = std::getenv("APPDATA")) {
        had_value_ = true;
        saved_ = old;
    }
    ::setenv("APPDATA", path().c_str(), 1);
}

AppDataSandbox::~AppDataSandbox() {
    if (had_value_) ::setenv("APPDATA", saved_.c_str(), 1);
    else ::unsetenv("APPDATA");
}

void write_file(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void make_folders(const std::string& path) { fs::create_directories(path); }

void make_pipe(const std::string& path) {
    if (::mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed: " + path);
}

std::string sample_cycle_folder() { return QUILL_SOURCE_DIR "/data/sample"; }
std::string product_schema_path() { return QUILL_SOURCE_DIR "/data/product_schema.sql"; }

void create_product_database(const std::string& path, std::string_view extra_sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + path);
    }
    const std::string sql = read_file(product_schema_path()) + std::string(extra_sql);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string reason = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("schema failed: " + reason);
}

} // namespace quill::test
