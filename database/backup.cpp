// The online backup step by step, and how a failed copy is rolled back before its error goes up.
#include "database/backup.h"

#include "database/connection.h"
#include "database/sqlite_error.h"

#include <sqlite3.h>

namespace quill {

namespace {

// One backup operation, finished when it goes.
class Backup {
public:
    Backup(const Connection& from, const Connection& to)
        : to_(to.handle()), backup_(sqlite3_backup_init(to.handle(), "main", from.handle(), "main")) {
        if (!backup_) throw sqlite_error(to_);
    }
    ~Backup() {
        if (backup_) sqlite3_backup_finish(backup_);
    }
    Backup(const Backup&) = delete;
    Backup& operator=(const Backup&) = delete;

    void run() {
        const int step = sqlite3_backup_step(backup_, -1);
        // finish() sets the destination's error code, which tells why a step failed.
        sqlite3_backup_finish(backup_);
        backup_ = nullptr;
        if (step == SQLITE_DONE) return;
        const Error failure = sqlite_error(to_);
        roll_back_failed_write();
        throw failure;
    }

private:
    // A write that failed on a full disk or an I/O error leaves SQLite's
    // journal hot beside a changed file until the database is next read; the
    // read rolls it back. Should it fail too, the journal stays for the next
    // reader, as after a kill.
    void roll_back_failed_write() {
        sqlite3_exec(to_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }

    sqlite3* to_;
    sqlite3_backup* backup_;
};

} // namespace

void copy_database(const Connection& from, const Connection& to) { Backup(from, to).run(); }

} // namespace quill
