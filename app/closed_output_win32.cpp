// The Windows side of closed output, which has nothing to change.
#include "app/closed_output.h"

namespace quill {

// Windows has no signal for it: the write fails with ERROR_NO_DATA.
void keep_running_when_output_closes() {}

} // namespace quill
