// The copies of the work database that replace the selected product databases,
// made on a thread of their own while the calling thread checks the work database.
#pragma once

#include "app/target_table.h"
#include "run/file_replace.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <exception>
#include <optional>
#include <string>
#include <thread>

namespace quill {

// Copies of the work database made ready beside each selected target on the
// copy thread, so that publishing only renames them into place. A copy that
// could not be made, whatever was thrown, fails its target where publishing
// reaches it, as copying there would have. Dropped before every copy is
// taken (the run failed), it stops after the copy in hand and removes every
// copy not taken.
class CopiesAhead {
public:
    CopiesAhead(const TargetSelection& selected, std::string source);
    ~CopiesAhead();
    CopiesAhead(const CopiesAhead&) = delete;
    CopiesAhead& operator=(const CopiesAhead&) = delete;

    // The copy made for a selected row (a TargetTable index), once the copy
    // thread has ended; rethrows why it could not be made.
    StagedCopy take(std::size_t row);
    // The run has failed: the copy thread stops after the copy in hand.
    // Dropping this stops it too, then waits for it.
    void stop();

private:
    void make_all();
    void wait();

    const TargetSelection selected_;
    const std::string source_;
    std::atomic<bool> stopped_{false};
    // Written by the copy thread alone, read once it is joined.
    std::array<std::optional<StagedCopy>, kTargetCount> copies_;
    std::array<std::exception_ptr, kTargetCount> failures_;
    // Last, so that it starts once every member it uses is made, and is
    // joined before any of them is destroyed.
    std::thread thread_;
};

} // namespace quill
