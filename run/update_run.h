// The update run as a front end asks for it: what the host gives and hears,
// the options, and what the run gives back.
#pragma once

#include "app/categories.h"
#include "app/target_table.h"
#include "run/target_databases.h"
#include "run/source_findings.h"
#include "run/update_lock.h"

#include <array>
#include <cstddef>
#include <optional>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// What a front end gives the run: the selection as it stands at the moment
// the run asks, and the places the run reports to.
class RunHost {
public:
    virtual ~RunHost() = default;

    virtual std::string source_folder() = 0;
    virtual bool category_selected(Category category) = 0;
    virtual TargetSelection targets_selected() = 0;

    virtual void progress(const std::string& line) = 0;
    // One apt.dat line that could not be converted; the conversion goes on.
    virtual void airport_line_error(const std::string& message) = 0;
    // A line for the user that is not a progress line; the window shows none
    // of these, so by default they go to standard error.
    virtual void warning(const std::string& line);

    // Just before a selected category's progress line.
    virtual void category_starting(Category) {}
    // Converts one category into the work folder and gives the records its
    // source file yielded; a window wraps this with its busy state.
    virtual std::size_t convert(Category category, const std::string& work_folder);
    // After the conversions, before the loading progress lines.
    virtual void loading_starting() {}
};

// Runs the converter of one category from the source folder into the work
// folder; gives the records written.
std::size_t convert_category(Category category, const std::string& source_folder,
                     const std::string& work_folder,
                     const std::function<void(const std::string&)>& airport_line_error);

struct RunOptions {
    std::string work_folder; // ends with a separator
    bool keep_intermediate = false;
    // False for a check: everything up to the loaded and checked work
    // database, then each selected target is only tried for reading.
    bool publish = true;
    // How many threads the run may use, the calling one included; 0 for as
    // many as the machine has cores. One runs every step in order.
    unsigned threads = 0;
};

struct RunOutcome {
    bool categories_ran = false;
    SourceFindings sources;
    // The records each selected category's source file yielded.
    std::array<std::size_t, kCategoryCount> records{};
    // The target the work database was seeded from; none when the run
    // stopped before seeding.
    std::optional<std::size_t> seed;
    // One entry per selected target database that could not be updated (or,
    // in a check, could not be read), in table order.
    std::vector<PublishResult> failures;
};

// The update: examines the selected source files (warnings through the
// host), converts every selected category in order, loads the work database
// and publishes it over the selected targets. A category whose source file
// yields no record is refused as soon as it is converted, so that a broken
// download never empties a product. A failure of any step is thrown, and then
// nothing is published. A selected target that cannot be read as a product
// database when seeding is passed over and counted as not updated. While
// another update holds the work folder it fails at once with
// kAnotherUpdateRunning, touching nothing.
// With a second thread the work database is seeded and loaded on it while the
// categories are converted, and a third makes the copies for publishing while
// the work database is checked; the host is still called on the calling
// thread alone, in the same order, and a failure is the one the steps in
// order would have met first (docs/architecture.md).
RunOutcome run_update(RunHost& host, const RunOptions& options);

// "Could not update <caption>: <reason>"
std::string publish_failure_line(const PublishResult& result);

} // namespace quill
