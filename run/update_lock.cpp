// Takes the update lock, failing with the message that another update runs.
#include "run/update_lock.h"

#include "app/error.h"

namespace quill {

UpdateLock::UpdateLock(const std::string& work_folder)
    : lock_(work_folder + std::string(kUpdateLockName)) {
    if (!lock_.held()) throw Error(std::string(kAnotherUpdateRunning));
}

} // namespace quill
