// How the headless run's lines are sent to standard output and standard error.
#include "cli/console_host.h"

#include "cli/cli_options.h"

#include <ostream>

namespace quill::cli {

ConsoleHost::ConsoleHost(const Options& options, Lines lines, std::ostream& out, std::ostream& err)
    : options_(options), lines_(lines), categories_(resolve_categories(options)),
      targets_(resolve_targets(options)), out_(out), err_(err) {}

std::string ConsoleHost::source_folder() { return options_.source_folder; }

void ConsoleHost::progress(const std::string& line) {
    if (lines_ == Lines::All) out_ << line << std::endl;
}

void ConsoleHost::airport_line_error(const std::string& message) { err_ << message << std::endl; }

void ConsoleHost::warning(const std::string& line) {
    if (lines_ == Lines::All) err_ << line << std::endl;
}

} // namespace quill::cli
