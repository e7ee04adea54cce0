#include "app/closed_output.h"

#include <csignal>

namespace quill {

void keep_running_when_output_closes() { std::signal(SIGPIPE, SIG_IGN); }

} // namespace quill
