// The headless tool's --restore action: undoing the last update of chosen products.
#pragma once

#include <iosfwd>
#include <string>

namespace quill::cli {

struct Options;

// --restore: puts back the previous database of the chosen products. One
// line per product restored on out ("Restored <caption>"), a line per
// product that could not be, and notes on err. Gives the exit status. Takes
// the work folder before anything else and throws kAnotherUpdateRunning
// while another update holds it; throws Error when no product has anything
// to put back.
int restore(const Options& options, const std::string& work_folder, std::ostream& out, std::ostream& err);

} // namespace quill::cli
