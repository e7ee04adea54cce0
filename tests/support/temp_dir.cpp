// How temporary folders are made unique and removed, and the tests' file and database helpers.
#include "support/temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sqlite3.h>
#include <sstream>
#include <stdexcept>

#include "app/environment.h"
#include "support/sql_rows.h"

namespace quill::test {

namespace fs = std::filesystem;

fs::path fs_path(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8_path(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

TempDir::TempDir(std::string_view name) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string unique = std::string(name) + "-" + std::to_string(random() % 1000000000);
        const fs::path candidate = fs::temp_directory_path() / fs_path(unique);
        if (fs::create_directory(candidate)) {
            path_ = utf8_path(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(fs_path(path_), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(fs_path(path_), ignored);
}

std::string TempDir::operator/(std::string_view name) const {
    return native_path(path_ + "/" + std::string(name));
}

std::string native_path(std::string_view path) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '/', kPathSeparator);
    return native;
}

AppDataSandbox::AppDataSandbox(std::string_view name)
    : TempDir(name), appdata_("APPDATA", path()) {}

void write_file(const std::string& path, std::string_view bytes) {
    std::ofstream out(fs_path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string read_file(const std::string& path) {
    std::ifstream in(fs_path(path), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void make_folders(const std::string& path) { fs::create_directories(fs_path(path)); }

std::string naming(std::string text, const std::string& path) {
    if (const std::size_t at = text.find("<path>"); at != std::string::npos) text.replace(at, 6, path);
    return text;
}

std::string sample_cycle_folder() { return QUILL_SOURCE_DIR "/data/sample"; }
std::string product_schema_path() { return QUILL_SOURCE_DIR "/data/product_schema.sql"; }

void create_product_database(const std::string& path, std::string_view extra_sql) {
    sqlite3* db = open_database(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    const std::string sql = read_file(product_schema_path()) + std::string(extra_sql);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string reason = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("schema failed: " + reason);
}

} // namespace quill::test
