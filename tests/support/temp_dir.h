// The temporary folders and files every test works in, with APPDATA pointed into its own sandbox.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "support/scoped_variable.h"

namespace quill::test {

// A fresh folder below the system's temporary folder, removed with its
// contents. Its name begins with the given (UTF-8) name.
class TempDir {
public:
    explicit TempDir(std::string_view name = "quillstrom-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder's path, without a trailing separator.
    const std::string& path() const { return path_; }
    // The path of a file or folder inside it; "/" in the name becomes the
    // system's separator.
    std::string operator/(std::string_view name) const;

private:
    std::string path_;
};

// A temporary folder that stands in for the user's application-data folder:
// APPDATA points at it while the sandbox lives.
class AppDataSandbox : public TempDir {
public:
    explicit AppDataSandbox(std::string_view name = "quillstrom-appdata");

private:
    ScopedVariable appdata_;
};

// Paths are UTF-8 text in the program; these turn them into the form of
// std::filesystem, for the tests' own file work, and back.
std::filesystem::path fs_path(std::string_view utf8);
std::string utf8_path(const std::filesystem::path& path);

// The path with each "/" turned into the system's separator.
std::string native_path(std::string_view path);

void write_file(const std::string& path, std::string_view bytes);
std::string read_file(const std::string& path);
// Creates every missing folder of the path.
void make_folders(const std::string& path);
// Creates a named pipe, which blocks a reader until a writer opens it
// (special_files_posix.cpp; Windows has none in its file system).
void make_pipe(const std::string& path);

// An expected message that names a file: the text with "<path>" replaced by
// the path.
std::string naming(std::string text, const std::string& path);

// Bundled data of the repository.
std::string sample_cycle_folder();
std::string product_schema_path();

// Creates an SQLite product database from the bundled schema, then runs the
// extra SQL (seed rows, say) on it.
void create_product_database(const std::string& path, std::string_view extra_sql = {});

} // namespace quill::test
