// How the record's table is kept, and how publishing and restoring move holdings between the
// current and previous generations.
#include "run/holdings_record.h"

#include "app/error.h"
#include "app/file_system.h"
#include "database/query.h"
#include "database/statement.h"


namespace quill {

namespace {

constexpr const char* kCurrent = "current";
constexpr const char* kPrevious = "previous";

constexpr Query kCreate{
    "CREATE TABLE IF NOT EXISTS Holding ("
    " TargetKey TEXT NOT NULL, Generation TEXT NOT NULL,"
    " Airports TEXT NOT NULL, NavAids TEXT NOT NULL, Waypoints TEXT NOT NULL, Airways TEXT NOT NULL,"
    " Updated TEXT NOT NULL, Categories TEXT NOT NULL, FileSize INTEGER NOT NULL, FileTime INTEGER NOT NULL,"
    " PRIMARY KEY (TargetKey, Generation))"};
constexpr Query kBegin{"BEGIN IMMEDIATE"};
constexpr Query kCommit{"COMMIT"};

std::string now(const Connection& connection) {
    Statement query(connection, "SELECT datetime('now', 'localtime')");
    query.step();
    return std::string(query.column_text(0));
}

std::string category_list(const SelectedCycles& updated) {
    std::string list;
    for (const Category c : kCategories) {
        if (!updated[index_of(c)]) continue;
        if (!list.empty()) list += ", ";
        list += category_key(c);
    }
    return list;
}

// Commits on success; an abandoned transaction rolls back when the connection closes.
template <typename Work>
void in_transaction(const Connection& connection, Work&& work) {
    kBegin.execute(connection);
    work();
    kCommit.execute(connection);
}

} // namespace

HoldingsRecord::HoldingsRecord(const std::string& work_folder) {
    connection_.open(work_folder + kHoldingsRecordName, Connection::Mode::Create);
    connection_.set_busy_timeout(3000);
    kCreate.execute(connection_);
}

std::optional<Holding> HoldingsRecord::current(const TargetRow& row) const { return read(row, kCurrent); }
std::optional<Holding> HoldingsRecord::previous(const TargetRow& row) const { return read(row, kPrevious); }

std::optional<Holding> HoldingsRecord::read(const TargetRow& row, const char* generation) const {
    Statement query(connection_,
                    "SELECT Airports, NavAids, Waypoints, Airways, Updated, Categories, FileSize, FileTime"
                    " FROM Holding WHERE TargetKey = ? AND Generation = ?");
    query.bind_text(0, row.key, false);
    query.bind_text(1, generation, false);
    if (!query.step()) return std::nullopt;
    Holding holding;
    for (int i = 0; i < static_cast<int>(kCategoryCount); ++i) holding.cycles[i] = query.column_text(i);
    holding.updated = query.column_text(4);
    holding.categories = query.column_text(5);
    holding.file_size = query.column_int64(6);
    holding.file_time = query.column_int64(7);
    return holding;
}

void HoldingsRecord::write(const TargetRow& row, const char* generation, const std::optional<Holding>& holding) {
    if (!holding) {
        Statement remove(connection_, "DELETE FROM Holding WHERE TargetKey = ? AND Generation = ?");
        remove.bind_text(0, row.key, false);
        remove.bind_text(1, generation, false);
        remove.execute();
        return;
    }
    Statement insert(connection_, "INSERT OR REPLACE INTO Holding VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind_text(0, row.key, false);
    insert.bind_text(1, generation, false);
    for (int i = 0; i < static_cast<int>(kCategoryCount); ++i) insert.bind_text(2 + i, holding->cycles[i], false);
    insert.bind_text(6, holding->updated, false);
    insert.bind_text(7, holding->categories, false);
    insert.bind_int64(8, holding->file_size);
    insert.bind_int64(9, holding->file_time);
    insert.execute();
}

void HoldingsRecord::published(const TargetRow& row, const SelectedCycles& updated, bool kept_previous) {
    in_transaction(connection_, [&] {
        const std::optional<Holding> before = current(row);
        if (kept_previous) write(row, kPrevious, before);
        Holding now_held;
        for (const Category c : kCategories) {
            const std::size_t i = index_of(c);
            now_held.cycles[i] = updated[i] ? *updated[i] : before ? before->cycles[i] : kUnknownCycle;
        }
        now_held.updated = now(connection_);
        now_held.categories = category_list(updated);
        const FileStamp stamp = file_stamp(target_path(row));
        now_held.file_size = stamp.size;
        now_held.file_time = stamp.time;
        write(row, kCurrent, now_held);
    });
}

void HoldingsRecord::restored(const TargetRow& row) {
    in_transaction(connection_, [&] {
        const std::optional<Holding> was_current = current(row);
        Holding restored = previous(row).value_or(Holding{});
        if (restored.cycles.front().empty()) restored.cycles.fill(kUnknownCycle);
        restored.updated = now(connection_);
        restored.categories = "restore";
        const FileStamp stamp = file_stamp(target_path(row));
        restored.file_size = stamp.size;
        restored.file_time = stamp.time;
        write(row, kPrevious, was_current);
        write(row, kCurrent, restored);
    });
}

std::optional<HoldingsRecord> read_holdings_record(const std::string& work_folder) {
    if (!file_exists(work_folder + kHoldingsRecordName)) return std::nullopt;
    try {
        return std::make_optional<HoldingsRecord>(work_folder);
    } catch (const Error&) {
        return std::nullopt;
    }
}

bool unchanged_since(const Holding& holding, const std::string& path) {
    return file_stamp(path) == FileStamp{holding.file_size, holding.file_time};
}

std::optional<Holding> held_unchanged(const HoldingsRecord& record, const TargetRow& row) {
    std::optional<Holding> holding = record.current(row);
    if (holding && !unchanged_since(*holding, target_path(row))) holding.reset();
    return holding;
}

} // namespace quill
