// How the work database is seeded from the first usable product and written over each selected
// product in turn.
#include "run/target_databases.h"

#include <optional>

#include "app/error.h"
#include "app/file_system.h"
#include "app/platform.h"
#include "app/work_folder.h"
#include "database/backup.h"
#include "database/clean_hold.h"
#include "database/database_files.h"
#include "load/product_tables.h"
#include "database/query.h"
#include "database/sqlite_error.h"
#include "run/copies_ahead.h"
#include "run/file_replace.h"
#include "run/previous_database.h"

namespace quill {

namespace {

// The copy of the source that replaces the target, made now unless it was made ahead.
StagedCopy staged_copy(const std::string& source, std::size_t row, CopiesAhead* ahead) {
    if (ahead) return ahead->take(row);
    return StagedCopy(source, target_path(TargetTable[row]));
}

// Where the whole-file replacement is safe, the target is held clean and
// locked while the new file is renamed over it. Elsewhere the new content is
// written into the target through SQLite, under its locks and journal.
void replace_database(const std::string& source, std::size_t row, PreviousKeeper& previous,
                      CopiesAhead* ahead) {
    const std::string target = target_path(TargetTable[row]);
    if (!kRenameReplacesOpenFiles) {
        Connection from;
        from.open(source);
        Connection to;
        open_product_database(to, target);
        make_clean(to, target);
        previous.take_database(to);
        copy_database(from, to);
        return;
    }
    StagedCopy staged = staged_copy(source, row, ahead);
    const CleanHold held(target);
    previous.take_file(target);
    staged.commit();
}

// A target whose file vanished after detection is made anew; a journal left
// beside the missing file must not meet the new one.
void recreate_database(const std::string& source, std::size_t row, CopiesAhead* ahead) {
    const std::string target = target_path(TargetTable[row]);
    if (file_exists(target + "-journal") || file_exists(target + "-wal")) throw Error(kInUseReason);
    staged_copy(source, row, ahead).commit();
}

} // namespace

bool replace_target(const std::string& source, std::size_t row, const std::string& work_folder,
                   CopiesAhead* ahead) {
    const std::string target = target_path(TargetTable[row]);
    if (is_marked_read_only(target)) throw Error(kReadOnlyReason);
    if (!file_exists(target)) {
        recreate_database(source, row, ahead);
        return false;
    }
    PreviousKeeper previous(previous_database_path(work_folder, TargetTable[row]));
    replace_database(source, row, previous, ahead);
    return previous.keep();
}

namespace {

void seed_from(const std::string& seed, const std::string& work_folder) {
    Connection from;
    open_product_database(from, seed);
    require_product_tables(from, seed);
    const std::string work_database = work_database_path(work_folder);
    remove_database_files(work_database);
    Connection to;
    to.open(work_database, Connection::Mode::Create);
    // The work database is scratch until loaded: a crash means seeding anew.
    Query("PRAGMA synchronous = OFF").execute(to);
    copy_database(from, to);
    // A seed in WAL mode gives its mode to the copy; loading wants none.
    Query("PRAGMA journal_mode = DELETE").execute(to);
}

} // namespace

std::vector<PublishResult> seed_work_database(const TargetSelection& selected, const std::string& work_folder) {
    std::vector<PublishResult> passed_over;
    std::optional<Error> first_failure;
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        if (!selected[row]) continue;
        const std::string seed = target_path(TargetTable[row]);
        try {
            seed_from(seed, work_folder);
            return passed_over;
        } catch (const Error& failure) {
            passed_over.push_back({row, false, false, failure.message()});
            if (!first_failure)
                first_failure = Error("Could not copy " + seed + " to the work folder: " + failure.message());
        }
    }
    if (!first_failure) throw Error("No target database selected");
    throw *first_failure;
}

std::vector<PublishResult>
replace_selected_targets(const TargetSelection& selected, const std::string& work_folder,
                       const std::function<std::string(std::size_t)>& source_of,
                       const TargetDone& done, CopiesAhead* ahead) {
    std::vector<PublishResult> results;
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        if (!selected[row]) continue;
        PublishResult result{row, true, false, {}};
        try {
            result.kept_previous = replace_target(source_of(row), row, work_folder, ahead);
        } catch (const Error& failure) {
            result.written = false;
            result.reason = failure.message();
        }
        if (done) done(result);
        results.push_back(std::move(result));
    }
    return results;
}

std::vector<PublishResult> try_targets(const TargetSelection& selected) {
    std::vector<PublishResult> failures;
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        const std::string target = target_path(TargetTable[row]);
        if (!selected[row] || !file_exists(target)) continue;
        try {
            if (is_marked_read_only(target)) throw Error(kReadOnlyReason);
            Connection connection;
            open_product_database(connection, target);
            require_product_tables(connection, target);
        } catch (const Error& failure) {
            failures.push_back({row, false, false, failure.message()});
        }
    }
    return failures;
}

std::vector<PublishResult> publish_work_database(const TargetSelection& selected,
                                               const std::string& work_folder,
                                               const TargetDone& done, CopiesAhead* ahead) {
    const std::string work_database = work_database_path(work_folder);
    return replace_selected_targets(
        selected, work_folder, [&](std::size_t) { return work_database; }, done, ahead);
}

} // namespace quill
