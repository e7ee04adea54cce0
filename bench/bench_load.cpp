// Loads the intermediate files of a generated world-size cycle into a copy of
// the product database and prints the time as a ratio of the floor measured in
// the same run: the same rows, already in memory, inserted with one prepared
// statement per table in one transaction.
#include "app/work_folder.h"
#include "convert/airport_converter.h"
#include "convert/airway_converter.h"
#include "convert/fix_converter.h"
#include "convert/navaid_converter.h"
#include "database/load_work_database.h"
#include "support/insert_floor.h"
#include "support/product_database.h"
#include "support/stopwatch.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;
using quill::bench::copy_over;
using quill::bench::insert_floor;
using quill::bench::median;
using quill::bench::read_rows;
using quill::bench::table_name;
using quill::bench::TableRows;
using quill::bench::time_of;
using quill::bench::Timing;
using quill::bench::total_rows;

constexpr double kTarget = 1.3;

struct Options {
    int runs = 5;
    bool load_only = false;
    std::string source_folder;
    std::string work_folder;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "Usage: bench_load [--runs N] [--load-only] SOURCE_FOLDER [WORK_FOLDER]\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) options.runs = std::atoi(argv[++i]);
        else if (arg == "--load-only") options.load_only = true;
        else if (arg.starts_with("-")) usage();
        else if (options.source_folder.empty()) options.source_folder = arg;
        else if (options.work_folder.empty()) options.work_folder = arg;
        else usage();
    }
    if (options.source_folder.empty() || options.runs < 1) usage();
    if (options.work_folder.empty())
        options.work_folder = (fs::temp_directory_path() / "quill-bench-load").string();
    if (!options.work_folder.ends_with('/')) options.work_folder += '/';
    return options;
}

void convert_cycle(const Options& options) {
    quill::ConvertAirports(options.source_folder, options.work_folder, [](const std::string&) {});
    quill::ConvertNavaids(options.source_folder, options.work_folder);
    quill::ConvertFixes(options.source_folder, options.work_folder);
    quill::ConvertAirways(options.source_folder, options.work_folder);
}

void load(const Options& options, const std::string& product) {
    const std::string work_database = quill::work_database_path(options.work_folder);
    quill::LoadWorkDatabase({options.work_folder,
                             {true, true, true, true},
                             [&] { copy_over(product, work_database); },
                             [](const std::string&) {},
                             true});
}

void measure(const Options& options, const std::string& product) {
    const std::vector<TableRows> tables = read_rows(quill::work_database_path(options.work_folder));
    const std::size_t rows = total_rows(tables);
    for (const TableRows& table : tables) std::printf("  %-16s %9zu rows\n", table_name(table).c_str(), table.rows);

    const std::string floor_database = options.work_folder + "floor.db";
    std::vector<double> floor_wall, load_wall, wall_ratios, cpu_ratios;
    for (int run = 0; run < options.runs; ++run) {
        const Timing floor = time_of([&] {
            copy_over(product, floor_database);
            insert_floor(floor_database, tables);
        });
        const Timing loaded = time_of([&] { load(options, product); });
        floor_wall.push_back(floor.wall);
        load_wall.push_back(loaded.wall);
        wall_ratios.push_back(loaded.wall / floor.wall);
        cpu_ratios.push_back(loaded.cpu / floor.cpu);
    }
    const double ratio = median(wall_ratios);
    std::printf("%zu rows  floor %7.1f ms  load %7.1f ms  ratio %5.2f (min %5.2f max %5.2f, cpu %5.2f)  "
                "target %.1f  %s\n",
                rows, median(floor_wall) * 1e3, median(load_wall) * 1e3, ratio,
                *std::ranges::min_element(wall_ratios), *std::ranges::max_element(wall_ratios),
                median(cpu_ratios), kTarget, ratio <= kTarget ? "ok" : "OVER");
    std::printf("load %.0f rows/s, floor %.0f rows/s\n", rows / median(load_wall), rows / median(floor_wall));
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        fs::create_directories(options.work_folder);
        const std::string product = options.work_folder + "product.db";
        quill::bench::make_product(product);
        convert_cycle(options);
        std::printf("build %s, %d runs, medians\n", QUILL_BUILD_TYPE, options.runs);
        // The first load also warms the page cache and gives the floor its rows.
        const Timing first = time_of([&] { load(options, product); });
        std::printf("first load %.1f ms\n", first.wall * 1e3);
        if (!options.load_only) measure(options, product);
        std::printf("peak resident memory %.1f MB\n", quill::bench::peak_memory_mb());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_load: %s\n", error.what());
        return 2;
    }
}
