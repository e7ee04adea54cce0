// Times a whole update run of the headless tool on a generated cycle (all four
// categories, two product databases) against a floor measured in the same
// run: reading the four source files and finding their line ends, inserting
// the rows the run loaded with one prepared statement per table in one
// transaction, and two plain copies of the resulting database. The run may
// use every core; the floor uses one.
#include "app/categories.h"
#include "app/target_table.h"
#include "app/work_folder.h"
#include "convert/source_files.h"
#include "support/arguments.h"
#include "support/block_floor.h"
#include "support/insert_floor.h"
#include "support/product_database.h"
#include "support/stopwatch.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace quill::bench;

constexpr double kTarget = 1.5;
// With two cores the run's steps overlap: its wall time against the floor's,
// which does its work on one core.
constexpr double kWallTarget = 1.1;
constexpr double kMemoryLimitMb = 100;
constexpr std::array<std::string_view, 2> kTargets{"skelmar-builder", "efis-brannock3"};

struct Options {
    int runs = 5;
    std::string cycle_folder;
    std::string scratch;
};

Options parse(int argc, char** argv) {
    const Arguments arguments =
        read_arguments(argc, argv, 5, "bench_run [--runs N] CYCLE_FOLDER [SCRATCH_FOLDER]", "quill-bench-run");
    return {arguments.runs, arguments.data_folder, arguments.scratch_folder};
}

const quill::TargetRow& target_row(std::string_view key) {
    return *std::ranges::find(quill::TargetTable, key, &quill::TargetRow::key);
}

// A fresh application-data folder holding the two empty product databases.
void prepare_appdata(const std::string& appdata) {
    fs::remove_all(appdata);
    ::setenv("APPDATA", appdata.c_str(), 1);
    for (const std::string_view key : kTargets) {
        fs::create_directories(quill::target_folder(target_row(key)));
        make_product(quill::target_path(target_row(key)));
    }
}

// Wall time, CPU time (user and system) and peak resident memory of a child.
struct ChildRun {
    double wall = 0;
    double cpu = 0;
    double peak_mb = 0;
};

double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; }

ChildRun run_cli(const Options& options) {
    std::string targets;
    for (const std::string_view key : kTargets) targets += (targets.empty() ? "" : ",") + std::string(key);
    std::vector<std::string> args{QUILL_CLI, "--targets", targets, options.cycle_folder};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, QUILL_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + std::string(QUILL_CLI));
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("the update run failed");
    return {wall.count(), seconds(usage.ru_utime) + seconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double source_megabytes(const Options& options) {
    double bytes = 0;
    for (const quill::Category c : quill::kCategories)
        bytes += static_cast<double>(fs::file_size(quill::source_path(options.cycle_folder, quill::source_name(c))));
    return bytes / 1e6;
}

// The floor's own work, from the sources to two published copies; the folder
// holds an empty product database.
void floor_run(const Options& options, const std::string& folder, const std::vector<TableRows>& tables) {
    long long lines = 0;
    for (const quill::Category c : quill::kCategories)
        lines += count_lines(quill::source_path(options.cycle_folder, quill::source_name(c)));
    if (lines == 0) throw std::runtime_error("the cycle folder holds no lines");
    copy_over(folder + "product.db", folder + "work.db");
    insert_floor(folder + "work.db", tables);
    copy_over(folder + "work.db", folder + "first.db");
    copy_over(folder + "work.db", folder + "second.db");
}

struct Samples {
    std::vector<double> run_wall, run_cpu, floor_wall, floor_cpu, wall_ratio, cpu_ratio;
};

void print_ratio(const char* clock, const std::vector<double>& ratios, double target) {
    const double ratio = median(ratios);
    std::printf("ratio %5.2f %-4s (min %5.2f max %5.2f)  target %.1f  %s\n", ratio, clock,
                *std::ranges::min_element(ratios), *std::ranges::max_element(ratios), target,
                ratio <= target ? "ok" : "OVER");
}

void print_result(const Samples& m, double megabytes, double peak_mb) {
    std::printf("run   %8.1f ms  cpu %8.1f ms  (%.2f cpu ms per MB of source)\n", median(m.run_wall) * 1e3,
                median(m.run_cpu) * 1e3, median(m.run_cpu) * 1e3 / megabytes);
    std::printf("floor %8.1f ms  cpu %8.1f ms  (%.2f cpu ms per MB of source)\n", median(m.floor_wall) * 1e3,
                median(m.floor_cpu) * 1e3, median(m.floor_cpu) * 1e3 / megabytes);
    print_ratio("cpu", m.cpu_ratio, kTarget);
    print_ratio("wall", m.wall_ratio, kWallTarget);
    std::printf("peak resident memory of the run %.1f MB  limit %.0f MB  %s\n", peak_mb, kMemoryLimitMb,
                peak_mb < kMemoryLimitMb ? "ok" : "OVER");
}

bool met(const Samples& m, double peak_mb) {
    return median(m.cpu_ratio) <= kTarget && median(m.wall_ratio) <= kWallTarget &&
           peak_mb < kMemoryLimitMb;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        const std::string appdata = options.scratch + "appdata";
        const double megabytes = source_megabytes(options);
        std::printf("build %s, %d runs, medians; %.1f MB of source; %u cores\n", QUILL_BUILD_TYPE,
                    options.runs, megabytes, std::thread::hardware_concurrency());

        // A spawned child's peak memory counts its parent's from before the
        // exec, so the first run, started while this program is still small,
        // gives the peak. It also warms the page cache and gives the floor its rows.
        prepare_appdata(appdata);
        const ChildRun first = run_cli(options);
        std::printf("first run %.1f ms\n", first.wall * 1e3);
        const std::vector<TableRows> tables = read_rows(quill::work_database_path(quill::make_work_folder()));
        std::printf("%zu rows loaded\n", total_rows(tables));

        const std::string floor_folder = options.scratch + "floor/";
        fs::create_directories(floor_folder);
        make_product(floor_folder + "product.db");
        Samples m;
        for (int run = 0; run < options.runs; ++run) {
            prepare_appdata(appdata);
            const ChildRun child = run_cli(options);
            const Timing floor = time_of([&] { floor_run(options, floor_folder, tables); });
            m.run_wall.push_back(child.wall);
            m.run_cpu.push_back(child.cpu);
            m.floor_wall.push_back(floor.wall);
            m.floor_cpu.push_back(floor.cpu);
            m.wall_ratio.push_back(child.wall / floor.wall);
            m.cpu_ratio.push_back(child.cpu / floor.cpu);
        }
        print_result(m, megabytes, first.peak_mb);
        fs::remove_all(options.scratch);
        return met(m, first.peak_mb) ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_run: %s\n", error.what());
        return 2;
    }
}
