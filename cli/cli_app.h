#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quill::cli {

enum ExitStatus { kSuccess = 0, kFailed = 1, kSomeNotUpdated = 2, kUsage = 64 };

// The whole headless tool: the arguments after the program name; progress
// lines go to out, errors and warnings to err. Gives the exit status.
int run_cli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quill::cli
