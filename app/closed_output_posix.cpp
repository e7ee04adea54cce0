// The POSIX side of closed output: SIGPIPE is ignored, so such a write only fails.
#include "app/closed_output.h"

#include <csignal>

namespace quill {

void keep_running_when_output_closes() { std::signal(SIGPIPE, SIG_IGN); }

} // namespace quill
