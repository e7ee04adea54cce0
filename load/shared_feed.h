#pragma once

#include "app/categories.h"
#include "load/foreseen_waypoints.h"
#include "load/load_blocks.h"
#include "load/load_feed.h"

#include <array>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace quill {

class BlockReader;
class RowBatch;
struct LoadRequest;

// Where a load on the database thread meets the run's calling thread. The
// database thread waits here for each block's file, leaves its loading lines
// and its end, and takes each block's rows: it reads them itself until the
// calling thread, its conversions ended, reads them ahead for it. While its
// category is still being converted, a file made by this run is followed as
// it is written. The calling thread reads blocks in loading order and a few
// megabytes ahead at most, so what waits in memory does not grow with the
// cycle. Reading the fix block ahead into a NavWPT that the load cleared, it
// foresees the waypoint lookups and groups them while the block is inserted,
// then reads the block's file anew for the database thread to compare with
// the table.
class SharedFeed : public LoadFeed, private FixFileRows {
public:
    SharedFeed(const CategorySelection& selected, std::string work_folder);
    ~SharedFeed() override;

    // On the database thread: runs the load with this feed, leaving its
    // lines and its end here for the calling thread.
    void run(LoadRequest request);
    bool wait_for_file(const LoadBlock& block, const std::string& path) override;
    void insert_rows(const LoadBlock& block, const std::string& path,
                     BlockInserter& inserter) override;

    // On the calling thread.
    void files_complete(Category category);
    // Tells each loading line as it comes, reading rows ahead meanwhile.
    // Returns once the load has ended: its failure, or null.
    std::exception_ptr help(const std::function<void(const std::string&)>& tell);
    // Ends the load at the database thread's next wait, as if it failed.
    void stop();

private:
    // A batch read ahead; the last of its block ends the block.
    struct Handed {
        std::unique_ptr<RowBatch> batch;
        bool last;
    };

    // The waypoints foreseen from the fix block, grouped by the calling thread.
    enum class Foresight { None, Reading, Read, Grouped };

    std::optional<ForeseenWaypoints> foreseen_waypoints() override;
    void lookups_read() override;
    const RowBatch* next() override;
    void add_line(const std::string& line);
    void end(std::exception_ptr failure);
    void throw_if_stopped();
    bool wait_for_more(Category category);
    bool read_ahead(std::unique_lock<std::mutex>& lock);
    bool start_next_block();
    bool group_foreseen(std::unique_lock<std::mutex>& lock);
    bool read_again(std::unique_lock<std::mutex>& lock);
    void take_handed(BlockInserter& inserter);
    std::unique_ptr<RowBatch> spare_batch();
    void recycle(std::unique_ptr<RowBatch> batch);

    const std::string work_folder_;
    std::mutex mutex_;
    std::condition_variable changed_;
    CategorySelection files_complete_;
    // Blocks whose file the run had not made yet when the load began.
    std::array<bool, kLoadBlockCount> made_by_run_;
    bool lookups_ready_ = false;
    bool helping_ = false;
    bool stopped_ = false;
    bool ended_ = false;
    std::exception_ptr failure_;
    std::vector<std::string> lines_;
    // The next block that nobody reads yet, by its place in the loading order.
    std::size_t next_block_ = 0;
    std::unique_ptr<BlockReader> reader_; // the calling thread's block
    std::deque<Handed> handed_;
    std::vector<std::unique_ptr<RowBatch>> spare_;
    std::size_t bytes_out_ = 0;
    // The waypoints are foreseen where the load clears NavWPT and the airway
    // blocks look them up.
    const bool foreseeing_;
    Foresight foresight_ = Foresight::None;
    std::optional<ForeseenWaypoints> foreseen_; // the calling thread's until grouped
    const LoadBlock* foreseen_block_ = nullptr;
    std::string fix_path_;
    // The fix block's file read anew once the waypoints are grouped, until
    // the lookups are read.
    std::unique_ptr<BlockReader> rereader_; // the calling thread's
    std::deque<std::unique_ptr<RowBatch>> read_again_;
    bool read_again_ended_ = false;
    std::unique_ptr<RowBatch> compared_; // the database thread's
};

} // namespace quill
