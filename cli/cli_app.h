// Entry point of quillstrom-cli, apart from main so that tests can run it with their own streams.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "run/exit_status.h"

namespace quill::cli {

// The whole headless tool: the arguments after the program name; progress
// lines go to out, errors and warnings to err. Gives the exit status.
int run_cli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quill::cli
