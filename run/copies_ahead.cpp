// Makes the copies that replace the selected product databases ahead of publishing.
#include "run/copies_ahead.h"

namespace quill {

CopiesAhead::CopiesAhead(const TargetSelection& selected, std::string source)
    : selected_(selected), source_(std::move(source)), thread_([this] { make_all(); }) {}

CopiesAhead::~CopiesAhead() {
    stop();
    wait();
}

void CopiesAhead::stop() { stopped_ = true; }

void CopiesAhead::make_all() {
    for (std::size_t row = 0; row < kTargetCount && !stopped_; ++row) {
        if (!selected_[row]) continue;
        try {
            copies_[row].emplace(source_, target_path(TargetTable[row]));
        } catch (...) {
            failures_[row] = std::current_exception();
        }
    }
}

void CopiesAhead::wait() {
    if (thread_.joinable()) thread_.join();
}

StagedCopy CopiesAhead::take(std::size_t row) {
    wait();
    if (failures_[row]) std::rethrow_exception(failures_[row]);
    return std::move(*copies_[row]);
}

} // namespace quill
