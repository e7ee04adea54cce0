// Loads the intermediate files of a generated world-size cycle into a copy of
// the product database and prints the time as a ratio of the floor measured in
// the same run: the same rows, already in memory, inserted with one prepared
// statement per table in one transaction.
#include "run/update_run.h"
#include "app/work_folder.h"
#include "load/load_steps.h"
#include "support/arguments.h"
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

Options parse(int argc, char** argv) {
    Options options;
    const quill::bench::Arguments arguments = quill::bench::read_arguments(
        argc, argv, 5, "bench_load [--runs N] [--load-only] SOURCE_FOLDER [WORK_FOLDER]", "quill-bench-load",
        [&](std::string_view arg, int&, int, char**) {
            if (arg != "--load-only") return false;
            options.load_only = true;
            return true;
        });
    options.runs = arguments.runs;
    options.source_folder = arguments.data_folder;
    options.work_folder = arguments.scratch_folder;
    return options;
}

void convert_cycle(const Options& options) {
    for (const quill::Category category : quill::kCategories)
        quill::convert_category(category, options.source_folder, options.work_folder, [](const std::string&) {});
}

void load(const Options& options, const std::string& product) {
    const std::string work_database = quill::work_database_path(options.work_folder);
    quill::load_work_database({options.work_folder,
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
