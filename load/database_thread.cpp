#include "load/database_thread.h"

#include "load/shared_feed.h"

namespace quill {

WorkDatabaseLoad::WorkDatabaseLoad(LoadRequest request, Mode mode) : request_(std::move(request)) {
    if (mode == Mode::InOrder) return;
    alongside_ = std::make_unique<SharedFeed>(request_.selected, request_.work_folder);
    thread_ = std::thread([this] { alongside_->run(request_); });
}

WorkDatabaseLoad::~WorkDatabaseLoad() {
    if (!thread_.joinable()) return;
    alongside_->stop();
    thread_.join();
}

void WorkDatabaseLoad::files_complete(Category category) {
    if (alongside_) alongside_->files_complete(category);
}

void WorkDatabaseLoad::finish() {
    if (!alongside_) return load_work_database(request_);
    const std::exception_ptr failure = alongside_->help(request_.progress);
    thread_.join();
    if (failure) std::rethrow_exception(failure);
}

} // namespace quill
