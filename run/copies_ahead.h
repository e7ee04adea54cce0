#pragma once

#include "app/error.h"
#include "app/target_table.h"
#include "run/file_replace.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <thread>

namespace quill {

// Copies of the work database made ready beside each selected target on a
// thread of their own, while the calling thread checks the work database, so
// that publishing only renames them into place. A copy that could not be made
// fails its target where publishing reaches it, as copying there would have.
// Copies never taken are removed.
class CopiesAhead {
public:
    CopiesAhead(const TargetSelection& selected, std::string source);
    ~CopiesAhead();
    CopiesAhead(const CopiesAhead&) = delete;
    CopiesAhead& operator=(const CopiesAhead&) = delete;

    // The copy made for a selected row (a TargetTable index), once every copy
    // is made; throws why it could not be made.
    StagedCopy take(std::size_t row);

private:
    void make_all();

    const TargetSelection selected_;
    const std::string source_;
    std::array<std::optional<StagedCopy>, kTargetCount> copies_;
    std::array<std::optional<Error>, kTargetCount> failures_;
    std::thread thread_;
};

} // namespace quill
