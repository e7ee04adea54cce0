// Where the database thread's load meets the run's calling thread: every value
// that passes between them passes here, under one mutex.
#pragma once

#include "app/categories.h"
#include "load/foreseen_waypoints.h"
#include "load/load_blocks.h"
#include "load/load_feed.h"

#include <array>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace quill {

class BlockReader;
class RowBatch;

// The feed of a load on the database thread, shared with the calling thread.
// The database thread waits here for each block's file, queues its progress
// lines and takes each block's rows: it reads them itself until the calling
// thread, its conversions ended, relays the lines and reads the rows ahead
// for it. While its category is still being converted, a file that this run
// writes is followed as it grows. The calling thread reads blocks in loading
// order and a few megabytes ahead at most, so what waits in memory does not
// grow with the cycle. Reading the fix block ahead into a NavWPT that the
// load cleared, it foresees the waypoint lookups and groups them while the
// block is inserted, then rereads the block's file for the database thread
// to compare with the table.
//
// What passes: the completed categories and a stop (to the database thread);
// progress lines, the load's end and the airway lookups (to the calling
// thread); batches read ahead, the foreseen waypoints and the reread fix rows
// (to the database thread), each batch back to the pool once inserted. The
// load's result or failure goes back with the thread (DatabaseThread).
class SharedFeed : public LoadFeed, private FixFileRows {
public:
    SharedFeed(const CategorySelection& selected, std::string work_folder);
    ~SharedFeed() override;

    // On the database thread, besides the feed's own calls.
    void queue_line(const std::string& line);
    // The load has ended, well or not: the relay ends after its last line.
    void load_ended();
    bool wait_for_file(const LoadBlock& block, const std::string& path) override;
    void insert_rows(const LoadBlock& block, const std::string& path, const AirwayLookups* lookups,
                     BlockInserter& inserter) override;

    // On the calling thread.
    void files_complete(Category category);
    // Relays each progress line of the load as it comes, reading rows ahead
    // meanwhile; returns once the load has ended.
    void relay_and_read_ahead(const std::function<void(const std::string&)>& relay);
    // Ends the load at the database thread's next wait, as if it failed.
    void stop();

private:
    // A batch read ahead; the last of its block ends the block.
    struct ReadAheadBatch {
        std::unique_ptr<RowBatch> batch;
        bool last;
    };

    // Where the calling thread stands with the waypoints it foresees.
    enum class ForeseenState { None, Reading, Read, Grouped };

    // On the database thread.
    std::optional<ForeseenWaypoints> foreseen_waypoints() override;
    void lookups_read(std::shared_ptr<const AirwayLookups> lookups) override;
    const RowBatch* next() override;
    bool wait_for_more(Category category);
    void insert_read_ahead(BlockInserter& inserter);
    void throw_if_stopped();

    // On the calling thread, with the lock held; each action lets it go while
    // it reads, and returns false when it has nothing to do.
    bool has_reading_to_do() const;
    std::optional<std::size_t> next_block_to_read() const;
    bool can_read_ahead() const;
    bool read_ahead(std::unique_lock<std::mutex>& lock);
    void start_block(std::size_t place);
    bool group_foreseen(std::unique_lock<std::mutex>& lock);
    bool can_reread() const;
    bool reread(std::unique_lock<std::mutex>& lock);

    // On either thread, with the lock held.
    std::unique_ptr<RowBatch> pooled_batch();
    void return_to_pool(std::unique_ptr<RowBatch> batch);

    const std::string work_folder_;
    // The waypoints are foreseen where the load clears NavWPT and the airway
    // blocks look them up.
    const bool foreseeing_;
    // Blocks whose file was absent when the load began: a conversion of this
    // run writes it. A file left over from before is read only once its
    // category is complete.
    std::array<bool, kLoadBlockCount> absent_at_start_;

    std::mutex mutex_;
    // Each thread waits on its own, woken by what the other changes.
    std::condition_variable database_thread_wakes_;
    std::condition_variable calling_thread_wakes_;

    // From the calling thread.
    CategorySelection files_complete_;
    bool relaying_ = false;
    bool stopped_ = false;
    // From the database thread.
    std::vector<std::string> lines_;
    bool ended_ = false;
    std::shared_ptr<const AirwayLookups> lookups_;

    // The read-ahead: the next block that nobody reads yet, by its place in
    // the loading order; the calling thread's reader; the queue of batches
    // for the database thread; the pool of emptied batches; the memory that
    // batches out of the pool take.
    std::size_t next_block_ = 0;
    std::unique_ptr<BlockReader> reader_;
    std::deque<ReadAheadBatch> read_ahead_;
    std::vector<std::unique_ptr<RowBatch>> pool_;
    std::size_t bytes_out_ = 0;

    // The foreseen waypoints: the calling thread's until grouped, then taken
    // by the database thread. The fix block's file is reread once they are
    // grouped, until the lookups are read.
    ForeseenState foreseen_state_ = ForeseenState::None;
    std::optional<ForeseenWaypoints> foreseen_;
    const LoadBlock* foreseen_block_ = nullptr;
    std::string fix_path_;
    std::unique_ptr<BlockReader> rereader_; // the calling thread's
    std::deque<std::unique_ptr<RowBatch>> reread_;
    bool reread_ended_ = false;
    std::unique_ptr<RowBatch> compared_; // the database thread's
};

} // namespace quill
