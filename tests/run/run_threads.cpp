// Whole runs on one thread and on several, and what they left, for comparing.
#include "run_threads.h"

#include "app/error.h"
#include "app/work_folder.h"
#include "run/target_databases.h"
#include "support/scoped_variable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace quill::test {

RecordingHost::RecordingHost(std::string folder)
    : folder_(std::move(folder)), caller_(std::this_thread::get_id()) {}

void RecordingHost::category_starting(Category category) {
    note("starting " + std::string(category_key(category)));
}

std::size_t RecordingHost::convert(Category category, const std::string& work_folder) {
    note("convert " + std::string(category_key(category)));
    if (before_converting) before_converting(category);
    return RunHost::convert(category, work_folder);
}

void RecordingHost::note(std::string call) {
    if (std::this_thread::get_id() != caller_) call += " (from another thread)";
    calls.push_back(std::move(call));
}

ThreadsRun::ThreadsRun(const std::string& cycle_folder, unsigned threads,
                       const std::function<void(Category)>& before_converting,
                       std::string_view product_sql) {
    const ScopedVariable appdata("APPDATA", appdata_.path());
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        if (!RecordingHost::kTargets[row]) continue;
        make_folders(target_folder(TargetTable[row]));
        create_product_database(target_path(TargetTable[row]), product_sql);
    }
    RecordingHost host(cycle_folder);
    host.before_converting = before_converting;
    RunOptions options;
    options.work_folder = make_work_folder();
    work_folder_ = utf8_path(
        std::filesystem::relative(fs_path(options.work_folder), fs_path(appdata_.path())));
    options.keep_intermediate = true;
    options.threads = threads;
    try {
        const RunOutcome outcome = run_update(host, options);
        ended_ = outcome.failures.empty()
                     ? "updated"
                     : std::to_string(outcome.failures.size()) + " not updated";
    } catch (const Error& error) {
        ended_ = error.display();
        failed_ = true;
    } catch (const std::exception& error) {
        ended_ = error.what();
        failed_ = true;
    }
    calls_ = host.calls;
}

namespace fs = std::filesystem;

std::set<std::string> files_left(const ThreadsRun& run) {
    const fs::path root = fs_path(run.appdata());
    const fs::path work = fs_path(run.work_folder());
    std::set<std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        const fs::path name = fs::relative(entry.path(), root);
        if (name == work / "holdings.db") continue;
        if (run.failed() && name == work / kWorkDatabaseName) continue;
        files.insert(utf8_path(name));
    }
    return files;
}

namespace {

// The text with the run's application-data folder named alike in every run.
std::string in_any_folder(std::string text, const ThreadsRun& run) {
    for (std::size_t at = text.find(run.appdata()); at != std::string::npos;
         at = text.find(run.appdata()))
        text.replace(at, run.appdata().size(), "<appdata>");
    return text;
}

} // namespace

std::vector<std::string> calls_in_any_folder(const ThreadsRun& run) {
    std::vector<std::string> calls;
    for (const std::string& call : run.calls()) calls.push_back(in_any_folder(call, run));
    return calls;
}

void expect_same_runs(const ThreadsRun& in_order, const ThreadsRun& alongside) {
    EXPECT_EQ(in_any_folder(alongside.ended(), alongside),
              in_any_folder(in_order.ended(), in_order));
    EXPECT_EQ(calls_in_any_folder(alongside), calls_in_any_folder(in_order));
    const std::set<std::string> files = files_left(in_order);
    ASSERT_EQ(files_left(alongside), files);
    for (const std::string& name : files) {
        const bool same = read_file(in_order.appdata() + "/" + name) ==
                          read_file(alongside.appdata() + "/" + name);
        EXPECT_TRUE(same) << name << " differs";
    }
}

} // namespace quill::test
