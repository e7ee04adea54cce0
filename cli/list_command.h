// The headless tool's --list action: the products installed and the cycles they hold.
#pragma once

#include <iosfwd>
#include <string>

namespace quill::cli {

struct Options;

// --list: the folder searched; each product database found, or each one
// named with --targets (which must exist, UsageError otherwise), with its
// key, caption and path, the cycle of each category as this program last
// wrote it, when, whether it was changed since, and its kept previous
// database; then the source files found with the cycle their version line
// names.
void list_found(const Options& options, const std::string& work_folder, std::ostream& out);

} // namespace quill::cli
