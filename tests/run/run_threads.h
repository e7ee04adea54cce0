// Whole runs of a cycle with a host that records every call, on one thread or
// several, and the comparison of what they did and left.
#pragma once

#include "app/categories.h"
#include "app/target_table.h"
#include "run/update_run.h"
#include "support/temp_dir.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace quill::test {

// Every call a run makes to its host, in order; a call that does not come
// from the thread that started the run says so.
class RecordingHost : public RunHost {
public:
    explicit RecordingHost(std::string folder);

    std::string source_folder() override { return folder_; }
    bool category_selected(Category) override { return true; }
    TargetSelection targets_selected() override { return kTargets; }
    void progress(const std::string& line) override { note("progress " + line); }
    void airport_line_error(const std::string& message) override { note("line error " + message); }
    void warning(const std::string& line) override { note("warning " + line); }
    void category_starting(Category category) override;
    std::size_t convert(Category category, const std::string& work_folder) override;
    void loading_starting() override { note("loading starting"); }

    // The two products a run updates.
    static constexpr TargetSelection kTargets{true, false, false, false, false, true, false, false};

    std::vector<std::string> calls;
    // Runs on the host's thread just before a category is converted.
    std::function<void(Category)> before_converting;

private:
    void note(std::string call);

    std::string folder_;
    std::thread::id caller_;
};

// One whole run of a cycle folder in an application-data folder of its own,
// with the two products made afresh, and what it left there.
class ThreadsRun {
public:
    ThreadsRun(const std::string& cycle_folder, unsigned threads,
               const std::function<void(Category)>& before_converting = {},
               std::string_view product_sql = {});

    const std::vector<std::string>& calls() const { return calls_; }
    // "updated", "<n> not updated" or the failure as the user reads it.
    const std::string& ended() const { return ended_; }
    bool failed() const { return failed_; }
    const std::string& appdata() const { return appdata_.path(); }
    // The work folder's path in the application-data folder.
    const std::string& work_folder() const { return work_folder_; }

private:
    TempDir appdata_{"quillstrom-threads"};
    std::string work_folder_;
    std::vector<std::string> calls_;
    std::string ended_;
    bool failed_ = false;
};

// The files a run left, by their path in its application-data folder (the
// record of what the products hold left out, and after a failed run the work
// database).
std::set<std::string> files_left(const ThreadsRun& run);
// The run's calls to its host, its application-data folder named alike in every run.
std::vector<std::string> calls_in_any_folder(const ThreadsRun& run);

// Expects both runs to have made the same calls and left the same files:
// products, previous databases, intermediate files and, after a run that
// did not fail, the work database (the record of what the products hold
// is left out: it holds file times).
void expect_same_runs(const ThreadsRun& in_order, const ThreadsRun& alongside);

} // namespace quill::test
