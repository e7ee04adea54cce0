#include "run/copies_ahead.h"

namespace quill {

CopiesAhead::CopiesAhead(const TargetSelection& selected, std::string source)
    : selected_(selected), source_(std::move(source)), thread_([this] { make_all(); }) {}

CopiesAhead::~CopiesAhead() {
    if (thread_.joinable()) thread_.join();
}

void CopiesAhead::make_all() {
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        if (!selected_[row]) continue;
        try {
            copies_[row].emplace(source_, target_path(TargetTable[row]));
        } catch (const Error& failure) {
            failures_[row] = failure;
        }
    }
}

StagedCopy CopiesAhead::take(std::size_t row) {
    if (thread_.joinable()) thread_.join();
    if (failures_[row]) throw *failures_[row];
    return std::move(*copies_[row]);
}

} // namespace quill
