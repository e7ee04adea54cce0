// The headless tool's --check action, a dry run of the update.
#pragma once

#include <iosfwd>
#include <string>

namespace quill::cli {

struct Options;

// --check: everything an update would do short of changing a product
// database. Prints, per selected source file, its data cycle, its records and
// its warnings, and per selected product database the data cycle and rows of
// each category it holds now and would hold after the update, or why the
// update would pass it over. Failures go to err as an update's would; the
// exit status is the one the update would end with.
int check(const Options& options, const std::string& work_folder, std::ostream& out, std::ostream& err);

} // namespace quill::cli
