// The run's second thread: it seeds and loads the work database, alone writing
// it, while the calling thread converts.
#pragma once

#include "load/load_steps.h"
#include "load/shared_feed.h"

#include <functional>
#include <future>
#include <string>
#include <thread>
#include <utility>

namespace quill {

// A load of the work database on a thread of its own, which starts at once:
// seeding needs no converted file, and each block is loaded as soon as its
// category's files are complete. The loading lines reach the calling thread
// in loading order, after every line of the conversions, and the load's
// result or failure comes back to it: a conversion that fails first wins.
template <typename Result>
class DatabaseThread {
public:
    // The steps `load` runs on the database thread, with the request's
    // progress lines queued for the calling thread and this feed.
    using Load = std::function<Result(const LoadRequest&, LoadFeed&)>;

    DatabaseThread(LoadRequest request, Load load)
        : feed_(request.selected, request.work_folder),
          load_([this, request = std::move(request), load = std::move(load)]() mutable {
              request.progress = [this](const std::string& line) { feed_.queue_line(line); };
              return load(request, feed_);
          }),
          result_(load_.get_future()), thread_([this] {
              load_();
              feed_.load_ended();
          }) {}
    // A load that has not ended (a conversion failed) is stopped at its next
    // wait and its thread waited for; the work database is then closed as
    // after a failed load.
    ~DatabaseThread() {
        if (!thread_.joinable()) return;
        feed_.stop();
        thread_.join();
    }
    DatabaseThread(const DatabaseThread&) = delete;
    DatabaseThread& operator=(const DatabaseThread&) = delete;

    // On the calling thread: the conversion of the category has ended well.
    void files_complete(Category category) { feed_.files_complete(category); }
    // On the calling thread, once every selected category is converted:
    // relays the load's progress lines and reads rows ahead until the load
    // has ended; gives its result or throws its failure.
    Result relay_and_read_ahead(const std::function<void(const std::string&)>& relay) {
        feed_.relay_and_read_ahead(relay);
        thread_.join();
        return result_.get();
    }

private:
    SharedFeed feed_;
    std::packaged_task<Result()> load_;
    std::future<Result> result_;
    // Last, so that it starts once every member it uses is made, and is
    // joined before any of them is destroyed.
    std::thread thread_;
};

} // namespace quill
