// What a run asks of its front end, answered from the command line instead of the window.
#pragma once

#include "run/update_run.h"

#include <iosfwd>
#include <string>

namespace quill::cli {

struct Options;

// The run's view of the command line: the selection the options name (or
// everything found), fixed for the run, and its lines to the streams.
class ConsoleHost : public RunHost {
public:
    enum class Lines {
        All,       // progress on out; warnings and apt.dat line errors on err
        ErrorsOnly // apt.dat line errors on err; a check reports the rest itself
    };

    // Resolves the selection; throws UsageError as the options' resolvers do.
    ConsoleHost(const Options& options, Lines lines, std::ostream& out, std::ostream& err);

    std::string source_folder() override;
    bool category_selected(Category c) override { return categories_[index_of(c)]; }
    TargetSelection targets_selected() override { return targets_; }
    void progress(const std::string& line) override;
    void airport_line_error(const std::string& message) override;
    void warning(const std::string& line) override;

private:
    const Options& options_;
    Lines lines_;
    CategorySelection categories_;
    TargetSelection targets_;
    std::ostream& out_;
    std::ostream& err_;
};

} // namespace quill::cli
