#include "load/shared_feed.h"

#include "app/file_system.h"
#include "load/block_inserter.h"
#include "load/block_reader.h"
#include "load/load_blocks.h"
#include "load/load_steps.h"
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
        made_by_run_[block] = !file_exists(work_folder_ + std::string(kLoadBlocks[block].file));
}

SharedFeed::~SharedFeed() = default;

void SharedFeed::run(LoadRequest request) {
    request.progress = [this](const std::string& line) { add_line(line); };
    std::exception_ptr failure;
    try {
        load_work_database(request, *this);
    } catch (const LoadStopped&) {
    } catch (...) {
        failure = std::current_exception();
    }
    end(failure);
}

bool SharedFeed::wait_for_file(const LoadBlock& block, const std::string& path) {
    const std::size_t category = index_of(category_of(block.table));
    std::unique_lock lock(mutex_);
    for (;;) {
        if (stopped_) throw LoadStopped{};
        if (files_complete_[category]) return file_exists(path);
        if (!made_by_run_[place_of(block)]) {
            changed_.wait(lock, [&] { return stopped_ || files_complete_[category]; });
        } else {
            if (file_exists(path)) return true;
            changed_.wait_for(lock, kFollowingPause);
        }
    }
}

// The pause of a reader following a file: false once the file is complete.
bool SharedFeed::wait_for_more(Category category) {
    std::unique_lock lock(mutex_);
    const bool complete = changed_.wait_for(
        lock, kFollowingPause, [&] { return stopped_ || files_complete_[index_of(category)]; });
    if (stopped_) throw LoadStopped{};
    return !complete;
}

// A block nobody reads yet is read here until the calling thread helps; from
// then on it reads every block that is left.
void SharedFeed::insert_rows(const LoadBlock& block, const std::string& path,
                                BlockInserter& inserter) {
    std::unique_lock lock(mutex_);
    if (!helping_) {
        next_block_ = place_of(block) + 1;
        lock.unlock();
        return read_and_insert(
            block, path, lookups(), inserter, [this] { throw_if_stopped(); },
            [this, category = category_of(block.table)] { return wait_for_more(category); });
    }
    lock.unlock();
    take_handed(inserter);
}

// The calling thread reads the blocks in the order they are inserted, so the
// first batch handed is always one of this block.
void SharedFeed::take_handed(BlockInserter& inserter) {
    for (bool last = false; !last;) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopped_ || !handed_.empty(); });
        if (stopped_) throw LoadStopped{};
        Handed handed = std::move(handed_.front());
        handed_.pop_front();
        lock.unlock();
        inserter.insert(*handed.batch);
        last = handed.last;
        lock.lock();
        recycle(std::move(handed.batch));
    }
}

// With the lock held.
void SharedFeed::recycle(std::unique_ptr<RowBatch> batch) {
    if (!batch) return;
    bytes_out_ -= batch->bytes();
    spare_.push_back(std::move(batch));
    changed_.notify_all();
}

// With the lock held.
std::unique_ptr<RowBatch> SharedFeed::spare_batch() {
    if (spare_.empty()) return std::make_unique<RowBatch>();
    std::unique_ptr<RowBatch> batch = std::move(spare_.back());
    spare_.pop_back();
    return batch;
}

// The fix block's file is no longer read anew once the lookups are read.
void SharedFeed::lookups_read() {
    const std::lock_guard lock(mutex_);
    lookups_ready_ = true;
    read_again_ended_ = true;
    recycle(std::move(compared_));
    for (std::unique_ptr<RowBatch>& batch : read_again_) recycle(std::move(batch));
    read_again_.clear();
    changed_.notify_all();
}

// On the database thread, comparing the foreseen waypoints with the table.
const RowBatch* SharedFeed::next() {
    std::unique_lock lock(mutex_);
    recycle(std::move(compared_));
    changed_.wait(lock, [&] { return stopped_ || !read_again_.empty() || read_again_ended_; });
    if (stopped_) throw LoadStopped{};
    if (read_again_.empty()) return nullptr;
    compared_ = std::move(read_again_.front());
    read_again_.pop_front();
    return compared_.get();
}

void SharedFeed::throw_if_stopped() {
    const std::lock_guard lock(mutex_);
    if (stopped_) throw LoadStopped{};
}

void SharedFeed::add_line(const std::string& line) {
    const std::lock_guard lock(mutex_);
    lines_.push_back(line);
    changed_.notify_all();
}

void SharedFeed::end(std::exception_ptr failure) {
    const std::lock_guard lock(mutex_);
    ended_ = true;
    failure_ = std::move(failure);
    changed_.notify_all();
}

void SharedFeed::files_complete(Category category) {
    const std::lock_guard lock(mutex_);
    files_complete_[index_of(category)] = true;
    changed_.notify_all();
}

void SharedFeed::stop() {
    const std::lock_guard lock(mutex_);
    stopped_ = true;
    changed_.notify_all();
}

std::exception_ptr SharedFeed::help(const std::function<void(const std::string&)>& tell) {
    std::unique_lock lock(mutex_);
    helping_ = true;
    for (;;) {
        if (!lines_.empty()) {
            const std::vector<std::string> lines = std::exchange(lines_, {});
            lock.unlock();
            for (const std::string& line : lines) tell(line);
            lock.lock();
        } else if (ended_) {
            return failure_;
        } else if (!read_ahead(lock) && !group_foreseen(lock) && !read_again(lock)) {
            changed_.wait(lock);
        }
    }
}

// Reads one batch with the lock let go; false when there is nothing to read yet.
bool SharedFeed::read_ahead(std::unique_lock<std::mutex>& lock) {
    if (bytes_out_ >= kBytesAhead || (!reader_ && !start_next_block())) return false;
    std::unique_ptr<RowBatch> batch = spare_batch();
    const bool foreseeing = foresight_ == Foresight::Reading;
    lock.unlock();
    batch->clear();
    const bool more = reader_->read(*batch);
    const bool foreseeable = !batch->failure();
    if (foreseeing && foreseeable) foreseen_->add(*batch);
    lock.lock();
    if (foreseeing)
        foresight_ = !foreseeable ? Foresight::None : more ? Foresight::Reading : Foresight::Read;
    bytes_out_ += batch->bytes();
    handed_.push_back({std::move(batch), !more});
    if (!more) reader_.reset();
    changed_.notify_all();
    return true;
}

// The waypoints are grouped with the lock let go, once their block is read.
bool SharedFeed::group_foreseen(std::unique_lock<std::mutex>& lock) {
    if (foresight_ != Foresight::Read) return false;
    lock.unlock();
    foreseen_->group();
    lock.lock();
    foresight_ = Foresight::Grouped;
    rereader_ = read_block(*foreseen_block_, fix_path_, nullptr);
    changed_.notify_all();
    return true;
}

// Reads the fix block's file anew a batch at a time, with the lock let go,
// for the database thread to compare with the table; false when there is
// nothing to read now.
bool SharedFeed::read_again(std::unique_lock<std::mutex>& lock) {
    if (rereader_ && read_again_ended_) rereader_.reset();
    if (!rereader_ || bytes_out_ >= kBytesAhead) return false;
    std::unique_ptr<RowBatch> batch = spare_batch();
    lock.unlock();
    batch->clear();
    const bool more = rereader_->read(*batch) && !batch->failure();
    lock.lock();
    bytes_out_ += batch->bytes();
    if (read_again_ended_) {
        recycle(std::move(batch));
        return true;
    }
    read_again_.push_back(std::move(batch));
    if (!more) {
        rereader_.reset();
        read_again_ended_ = true;
    }
    changed_.notify_all();
    return true;
}

// The database thread asks once it has inserted the fix block, which the
// calling thread has read to its end by then if it foresees.
std::optional<ForeseenWaypoints> SharedFeed::foreseen_waypoints() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] {
        return stopped_ || foresight_ == Foresight::None || foresight_ == Foresight::Grouped;
    });
    if (stopped_) throw LoadStopped{};
    if (foresight_ == Foresight::None) return std::nullopt;
    foresight_ = Foresight::None;
    return std::exchange(foreseen_, std::nullopt);
}

// Passes over blocks whose file does not exist, as the load does.
bool SharedFeed::start_next_block() {
    for (; next_block_ < kLoadBlocks.size(); ++next_block_) {
        const LoadBlock& block = kLoadBlocks[next_block_];
        if (!files_complete_[index_of(category_of(block.table))]) return false;
        const std::string path = work_folder_ + std::string(block.file);
        if (!file_exists(path)) continue;
        const bool airways = block.kind == BlockKind::Airways;
        if (airways && !lookups_ready_) return false;
        reader_ = read_block(block, path, airways ? lookups() : nullptr);
        if (block.table == WorkTable::WPT && foreseeing_) {
            foreseen_.emplace(static_cast<FixFileRows&>(*this));
            foreseen_block_ = &block;
            fix_path_ = path;
            foresight_ = Foresight::Reading;
        }
        ++next_block_;
        return true;
    }
    return false;
}

} // namespace quill
