// The headless tool's command line: its options, their usage errors and the selection they make.
#pragma once

#include "app/categories.h"
#include "app/target_table.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quill::cli {

// A command line the tool cannot act on; the text is the one-line reason.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Options {
    std::string source_folder;
    // As named on the command line; empty when not given.
    std::optional<std::vector<Category>> categories;
    std::optional<std::vector<std::size_t>> targets; // rows of TargetTable
    // The folder that stands in for the application-data folder.
    std::optional<std::string> appdata;
    bool keep_intermediate = false;
    bool list = false;
    bool restore = false;
    bool check = false;
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program name; throws UsageError, also for
// options that the action asked for would pass over (a source folder for
// --restore, say) and for an --appdata folder that is not there.
Options parse_options(const std::vector<std::string>& args);

// Throws UsageError unless a folder is at the path: it "does not exist" or
// "is not a folder".
void require_folder(const std::string& path);

// The selection a run takes: the named categories and targets, each checked
// against what exists, or by default everything that exists. Throws UsageError,
// for a source folder without any source file naming the files looked for.
CategorySelection resolve_categories(const Options& options);
TargetSelection resolve_targets(const Options& options);
// The targets a restore takes: the named ones, each of which must have a
// previous database (UsageError otherwise), or by default every one that has.
TargetSelection resolve_restore_targets(const Options& options, const std::string& work_folder);

std::string usage_text();

} // namespace quill::cli
