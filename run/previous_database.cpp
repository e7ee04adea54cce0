// How the old database is taken by link, copy or backup, and put in the kept one's place.
#include "run/previous_database.h"

#include "app/error.h"
#include "app/file_system.h"
#include "app/platform.h"
#include "database/backup.h"
#include "database/connection.h"
#include "database/database_files.h"

namespace quill {

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
    try {
        link_or_copy_file(target, taken_);
    } catch (const Error& failure) {
        throw Error("cannot keep the previous database: " + failure.message());
    }
}

void PreviousKeeper::take_database(const Connection& target) {
    remove_database_files(taken_);
    Connection copy;
    copy.open(taken_, Connection::Mode::Create);
    copy_database(target, copy);
}

bool PreviousKeeper::keep() {
    try {
        move_replacing(taken_, previous_);
        kept_ = true;
    } catch (const Error&) {
        // The target is replaced by now: a database kept from an older
        // generation would no longer be the one before it.
        remove_database_files(previous_);
    }
    return kept_;
}

} // namespace quill
