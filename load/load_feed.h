#pragma once

#include "app/categories.h"
#include "app/file_system.h"
#include "load/airway_lookups.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace quill {

class BlockInserter;
class WorkDatabase;
struct LoadBlock;

// What the steps of a load wait for and where they take each block's rows
// from. The steps themselves run on the one thread that writes the database.
class LoadFeed {
public:
    virtual ~LoadFeed() = default;

    // Returns once the block's file can be read: true when it exists, false
    // when its category's files are complete without it.
    virtual bool wait_for_file(const LoadBlock& block, const std::string& path) = 0;
    // Hands every batch of the block's rows to the inserter, in file order.
    virtual void insert_rows(const LoadBlock& block, const std::string& path,
                             BlockInserter& inserter) = 0;

    // The tables where airway points find their fixes, read when the first
    // airway block needs them and kept to the end of the load.
    const AirwayLookups& airway_lookups(const WorkDatabase& database);

protected:
    // Waypoints foreseen for the lookups, if any.
    virtual std::optional<ForeseenWaypoints> foreseen_waypoints() { return {}; }
    virtual void lookups_read() {}
    const AirwayLookups* lookups() const { return lookups_ ? &*lookups_ : nullptr; }

private:
    std::optional<AirwayLookups> lookups_;
};

// Reads a block's rows a batch at a time and inserts each; `before_batch`
// runs before every batch is read. A file still being written is followed
// through wait_for_more (see LineReader).
void read_and_insert(const LoadBlock& block, const std::string& path, const AirwayLookups* lookups,
                     BlockInserter& inserter, const std::function<void()>& before_batch = {},
                     std::function<bool()> wait_for_more = {});

// The feed of a load that follows the conversions on one thread: every file
// is complete, and each batch is inserted as soon as it is read.
class InOrderFeed : public LoadFeed {
public:
    bool wait_for_file(const LoadBlock&, const std::string& path) override {
        return file_exists(path);
    }
    void insert_rows(const LoadBlock& block, const std::string& path,
                     BlockInserter& inserter) override {
        read_and_insert(block, path, lookups(), inserter);
    }
};

} // namespace quill
