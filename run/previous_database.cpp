#include "run/previous_database.h"

#include "app/error.h"
#include "app/file_system.h"
#include "database/backup.h"
#include "database/connection.h"
#include "database/database_files.h"

#include <filesystem>
#include <system_error>

namespace quill {

namespace fs = std::filesystem;

std::string previous_database_path(const std::string& work_folder, const TargetRow& row) {
    return work_folder + "previous-" + std::string(row.key) + ".db";
}

PreviousKeeper::PreviousKeeper(std::string previous_path)
    : previous_(std::move(previous_path)), taken_(previous_ + ".taking") {}

PreviousKeeper::~PreviousKeeper() {
    if (!kept_) remove_database_files(taken_);
}

void PreviousKeeper::take_file(const std::string& target) {
    remove_database_files(taken_);
    std::error_code no_link;
    fs::create_hard_link(fs_path(target), fs_path(taken_), no_link);
    if (!no_link) return;
    std::error_code failed;
    fs::copy_file(fs_path(target), fs_path(taken_), failed);
    if (failed) throw Error("cannot keep the previous database: " + failed.message());
}

void PreviousKeeper::take_database(const Connection& target) {
    remove_database_files(taken_);
    Connection copy;
    copy.open(taken_, Connection::Mode::Create);
    copy_database(target, copy);
}

bool PreviousKeeper::keep() {
    std::error_code failed;
    fs::rename(fs_path(taken_), fs_path(previous_), failed);
    // The target is replaced by now: a database kept from an older generation
    // would no longer be the one before it.
    if (failed) remove_database_files(previous_);
    kept_ = !failed;
    return kept_;
}

} // namespace quill
