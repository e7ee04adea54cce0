// The feed shared by the database thread and the calling thread: file waits,
// the progress relay, the read-ahead and the foreseen waypoints.
#include "load/shared_feed.h"

#include "app/file_system.h"
#include "load/block_inserter.h"
#include "load/block_reader.h"
#include "load/load_blocks.h"
#include "load/row_batch.h"
#include "load/work_database.h"

#include <chrono>
#include <utility>

namespace quill {

namespace {

// Enough rows of the fix block to keep the database thread busy while the
// waypoints are grouped.
constexpr std::size_t kBytesAhead = 8 << 20;
// How long a file being written is left before it is read again.
constexpr std::chrono::milliseconds kFollowingPause{2};

std::size_t place_of(const LoadBlock& block) {
    return static_cast<std::size_t>(&block - kLoadBlocks.data());
}

// Thrown on the database thread at its next wait once the load is stopped.
struct LoadStopped {};

} // namespace

SharedFeed::SharedFeed(const CategorySelection& selected, std::string work_folder)
    : work_folder_(std::move(work_folder)),
      foreseeing_(selected[index_of(Category::Waypoints)] && selected[index_of(Category::Airways)]) {
    // No conversion writes the files of a category that is not selected.
    for (const Category category : kCategories)
        files_complete_[index_of(category)] = !selected[index_of(category)];
    // A file left over from before is never followed: only its complete
    // category tells that it is this run's.
    for (std::size_t block = 0; block < kLoadBlockCount; ++block)
        absent_at_start_[block] = !file_exists(work_folder_ + std::string(kLoadBlocks[block].file));
}

SharedFeed::~SharedFeed() = default;

// ---- The database thread.

void SharedFeed::queue_line(const std::string& line) {
    const std::lock_guard lock(mutex_);
    lines_.push_back(line);
    calling_thread_wakes_.notify_one();
}

void SharedFeed::load_ended() {
    const std::lock_guard lock(mutex_);
    ended_ = true;
    calling_thread_wakes_.notify_one();
}

bool SharedFeed::wait_for_file(const LoadBlock& block, const std::string& path) {
    const std::size_t category = index_of(category_of(block.table));
    std::unique_lock lock(mutex_);
    const auto complete_or_stopped = [&] { return stopped_ || files_complete_[category]; };
    if (!absent_at_start_[place_of(block)]) {
        database_thread_wakes_.wait(lock, complete_or_stopped);
    } else {
        while (!complete_or_stopped() && !file_exists(path))
            database_thread_wakes_.wait_for(lock, kFollowingPause, complete_or_stopped);
    }
    if (stopped_) throw LoadStopped{};
    return file_exists(path);
}

// The pause of a reader following a file: false once the file is complete.
bool SharedFeed::wait_for_more(Category category) {
    std::unique_lock lock(mutex_);
    const bool complete = database_thread_wakes_.wait_for(
        lock, kFollowingPause, [&] { return stopped_ || files_complete_[index_of(category)]; });
    if (stopped_) throw LoadStopped{};
    return !complete;
}

// A block nobody reads yet is read here until the calling thread relays; from
// then on it reads every block that is left.
void SharedFeed::insert_rows(const LoadBlock& block, const std::string& path,
                             const AirwayLookups* lookups, BlockInserter& inserter) {
    std::unique_lock lock(mutex_);
    if (!relaying_) {
        next_block_ = place_of(block) + 1;
        lock.unlock();
        return read_and_insert(
            block, path, lookups, inserter, [this] { throw_if_stopped(); },
            [this, category = category_of(block.table)] { return wait_for_more(category); });
    }
    lock.unlock();
    insert_read_ahead(inserter);
}

// The calling thread reads the blocks in the order they are inserted, so the
// first batch queued is always one of this block.
void SharedFeed::insert_read_ahead(BlockInserter& inserter) {
    for (bool last = false; !last;) {
        std::unique_lock lock(mutex_);
        database_thread_wakes_.wait(lock, [&] { return stopped_ || !read_ahead_.empty(); });
        if (stopped_) throw LoadStopped{};
        ReadAheadBatch queued = std::move(read_ahead_.front());
        read_ahead_.pop_front();
        lock.unlock();
        inserter.insert(*queued.batch);
        last = queued.last;
        lock.lock();
        return_to_pool(std::move(queued.batch));
    }
}

// The database thread asks once it has inserted the fix block, which the
// calling thread has read to its end by then if it foresees.
std::optional<ForeseenWaypoints> SharedFeed::foreseen_waypoints() {
    std::unique_lock lock(mutex_);
    database_thread_wakes_.wait(lock, [&] {
        return stopped_ || foreseen_state_ == ForeseenState::None ||
               foreseen_state_ == ForeseenState::Grouped;
    });
    if (stopped_) throw LoadStopped{};
    if (foreseen_state_ == ForeseenState::None) return std::nullopt;
    foreseen_state_ = ForeseenState::None;
    return std::exchange(foreseen_, std::nullopt);
}

// The calling thread reads the airway blocks ahead with these lookups; the
// fix block's file is no longer reread.
void SharedFeed::lookups_read(std::shared_ptr<const AirwayLookups> lookups) {
    const std::lock_guard lock(mutex_);
    lookups_ = std::move(lookups);
    reread_ended_ = true;
    return_to_pool(std::move(compared_));
    for (std::unique_ptr<RowBatch>& batch : reread_) return_to_pool(std::move(batch));
    reread_.clear();
    calling_thread_wakes_.notify_one();
}

// The fix block's rows reread, compared with the table.
const RowBatch* SharedFeed::next() {
    std::unique_lock lock(mutex_);
    return_to_pool(std::move(compared_));
    database_thread_wakes_.wait(lock, [&] { return stopped_ || !reread_.empty() || reread_ended_; });
    if (stopped_) throw LoadStopped{};
    if (reread_.empty()) return nullptr;
    compared_ = std::move(reread_.front());
    reread_.pop_front();
    return compared_.get();
}

void SharedFeed::throw_if_stopped() {
    const std::lock_guard lock(mutex_);
    if (stopped_) throw LoadStopped{};
}

// ---- The calling thread.

void SharedFeed::files_complete(Category category) {
    const std::lock_guard lock(mutex_);
    files_complete_[index_of(category)] = true;
    database_thread_wakes_.notify_one();
}

void SharedFeed::stop() {
    const std::lock_guard lock(mutex_);
    stopped_ = true;
    database_thread_wakes_.notify_one();
}

void SharedFeed::relay_and_read_ahead(const std::function<void(const std::string&)>& relay) {
    std::unique_lock lock(mutex_);
    relaying_ = true;
    for (;;) {
        calling_thread_wakes_.wait(lock,
                                   [&] { return !lines_.empty() || ended_ || has_reading_to_do(); });
        if (!lines_.empty()) {
            const std::vector<std::string> lines = std::exchange(lines_, {});
            lock.unlock();
            for (const std::string& line : lines) relay(line);
            lock.lock();
        } else if (ended_) {
            return;
        } else if (!read_ahead(lock) && !group_foreseen(lock)) {
            reread(lock);
        }
    }
}

// Exactly when one of the actions below has something to do.
bool SharedFeed::has_reading_to_do() const {
    return can_read_ahead() || foreseen_state_ == ForeseenState::Read || can_reread();
}

// Passes over blocks whose file does not exist, as the load does.
std::optional<std::size_t> SharedFeed::next_block_to_read() const {
    for (std::size_t place = next_block_; place < kLoadBlocks.size(); ++place) {
        const LoadBlock& block = kLoadBlocks[place];
        if (!files_complete_[index_of(category_of(block.table))]) return std::nullopt;
        if (!file_exists(work_folder_ + std::string(block.file))) continue;
        if (block.kind == BlockKind::Airways && !lookups_) return std::nullopt;
        return place;
    }
    return std::nullopt;
}

bool SharedFeed::can_read_ahead() const {
    return bytes_out_ < kBytesAhead && (reader_ || next_block_to_read());
}

// Reads one batch with the lock let go.
bool SharedFeed::read_ahead(std::unique_lock<std::mutex>& lock) {
    if (!can_read_ahead()) return false;
    if (!reader_) start_block(*next_block_to_read());
    std::unique_ptr<RowBatch> batch = pooled_batch();
    const bool foreseeing = foreseen_state_ == ForeseenState::Reading;
    lock.unlock();
    batch->clear();
    const bool more = reader_->read(*batch);
    const bool foreseeable = !batch->failure();
    if (foreseeing && foreseeable) foreseen_->add(*batch);
    lock.lock();
    if (foreseeing)
        foreseen_state_ = !foreseeable ? ForeseenState::None
                          : more       ? ForeseenState::Reading
                                       : ForeseenState::Read;
    bytes_out_ += batch->bytes();
    read_ahead_.push_back({std::move(batch), !more});
    if (!more) reader_.reset();
    database_thread_wakes_.notify_one();
    return true;
}

void SharedFeed::start_block(std::size_t place) {
    const LoadBlock& block = kLoadBlocks[place];
    const std::string path = work_folder_ + std::string(block.file);
    const bool airways = block.kind == BlockKind::Airways;
    reader_ = read_block(block, path, airways ? lookups_.get() : nullptr);
    if (block.table == WorkTable::WPT && foreseeing_) {
        foreseen_.emplace(static_cast<FixFileRows&>(*this));
        foreseen_block_ = &block;
        fix_path_ = path;
        foreseen_state_ = ForeseenState::Reading;
    }
    next_block_ = place + 1;
}

// The waypoints are grouped with the lock let go, once their block is read.
bool SharedFeed::group_foreseen(std::unique_lock<std::mutex>& lock) {
    if (foreseen_state_ != ForeseenState::Read) return false;
    lock.unlock();
    foreseen_->group();
    lock.lock();
    foreseen_state_ = ForeseenState::Grouped;
    rereader_ = read_block(*foreseen_block_, fix_path_, nullptr);
    database_thread_wakes_.notify_one();
    return true;
}

// A reread that the lookups ended is closed at once.
bool SharedFeed::can_reread() const {
    return rereader_ && (reread_ended_ || bytes_out_ < kBytesAhead);
}

// Rereads the fix block's file a batch at a time, with the lock let go, for
// the database thread to compare with the table.
bool SharedFeed::reread(std::unique_lock<std::mutex>& lock) {
    if (!can_reread()) return false;
    if (reread_ended_) {
        rereader_.reset();
        return true;
    }
    std::unique_ptr<RowBatch> batch = pooled_batch();
    lock.unlock();
    batch->clear();
    const bool more = rereader_->read(*batch) && !batch->failure();
    lock.lock();
    bytes_out_ += batch->bytes();
    if (reread_ended_) {
        return_to_pool(std::move(batch));
        return true;
    }
    reread_.push_back(std::move(batch));
    if (!more) {
        rereader_.reset();
        reread_ended_ = true;
    }
    database_thread_wakes_.notify_one();
    return true;
}

// ---- Either thread.

std::unique_ptr<RowBatch> SharedFeed::pooled_batch() {
    if (pool_.empty()) return std::make_unique<RowBatch>();
    std::unique_ptr<RowBatch> batch = std::move(pool_.back());
    pool_.pop_back();
    return batch;
}

// Less memory out of the pool may let the calling thread read ahead again.
void SharedFeed::return_to_pool(std::unique_ptr<RowBatch> batch) {
    if (!batch) return;
    bytes_out_ -= batch->bytes();
    pool_.push_back(std::move(batch));
    calling_thread_wakes_.notify_one();
}

} // namespace quill
