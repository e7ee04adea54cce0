// Keeps two updates or restores, in the window and the headless tool, from sharing the work
// folder.
#pragma once

#include "app/platform.h"

#include <string>
#include <string_view>

namespace quill {

// The file in the work folder that an update or a restore keeps locked from
// its first step to its last, so that two of them never share the folder.
inline constexpr std::string_view kUpdateLockName = "update.lock";
inline constexpr std::string_view kAnotherUpdateRunning =
    "Another update is running. Try again when it has finished.";

// Holds the work folder for as long as it lives. Taken first: while another
// update holds the folder it throws kAnotherUpdateRunning, having touched
// nothing.
class UpdateLock {
public:
    explicit UpdateLock(const std::string& work_folder);

private:
    FileLock lock_;
};

} // namespace quill
