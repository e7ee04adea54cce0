// Keeps the database each product had before its last update, so that a restore can bring it
// back.
#pragma once

#include "app/target_table.h"

#include <string>

namespace quill {

class Connection;

// Where a target's previous database is kept: one file per target in the
// work folder, named after the target's key.
std::string previous_database_path(const std::string& work_folder, const TargetRow& row);

// Keeps the database a target had just before it is replaced. The old file is
// first taken beside the kept one; only keep() puts it in the kept one's
// place, so a replacement that fails changes nothing already kept, and a
// taken file never kept is removed.
class PreviousKeeper {
public:
    explicit PreviousKeeper(std::string previous_path);
    ~PreviousKeeper();
    PreviousKeeper(const PreviousKeeper&) = delete;
    PreviousKeeper& operator=(const PreviousKeeper&) = delete;

    // Takes the target's file as it stands: a hard link where the file system
    // allows one (the rename that follows leaves the old file to the link), a
    // copy otherwise.
    void take_file(const std::string& target);
    // Takes the content of a target that will be written in place.
    void take_database(const Connection& target);
    // Called once the target is replaced; true when the taken file is now
    // the kept one. Should it not go into place, nothing is kept rather than
    // an older generation.
    bool keep();

private:
    std::string previous_;
    std::string taken_;
    bool kept_ = false;
};

} // namespace quill
