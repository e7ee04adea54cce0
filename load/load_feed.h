// What the steps of a load wait for and where they take each block's rows from:
// the interface between the load's steps and whoever feeds them rows.
#pragma once

#include "app/file_system.h"
#include "load/airway_lookups.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quill {

class BlockInserter;
struct LoadBlock;

// The steps of a load call these on the one thread that writes the database.
class LoadFeed {
public:
    virtual ~LoadFeed() = default;

    // Returns once the block's file can be read: true when it exists, false
    // when its category's files are complete without it.
    virtual bool wait_for_file(const LoadBlock& block, const std::string& path) = 0;
    // Hands every batch of the block's rows to the inserter, in file order. An
    // airway block looks its fixes up in `lookups`.
    virtual void insert_rows(const LoadBlock& block, const std::string& path,
                             const AirwayLookups* lookups, BlockInserter& inserter) = 0;
    // Once the fix block is inserted: waypoints foreseen for the airway
    // lookups, if any.
    virtual std::optional<ForeseenWaypoints> foreseen_waypoints() { return {}; }
    // The airway lookups, read when the first airway block needs them; they
    // stay as they are to the end of the load.
    virtual void lookups_read(std::shared_ptr<const AirwayLookups>) {}
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
    void insert_rows(const LoadBlock& block, const std::string& path, const AirwayLookups* lookups,
                     BlockInserter& inserter) override {
        read_and_insert(block, path, lookups, inserter);
    }
};

} // namespace quill
