// Converts a generated cycle and prints, for each converter, its time as a
// ratio of the floor measured in the same run: reading the same file in large
// blocks and splitting every line at blanks.
#include "convert/airport_converter.h"
#include "convert/airway_converter.h"
#include "convert/fix_converter.h"
#include "convert/navaid_converter.h"
#include "support/arguments.h"
#include "support/block_floor.h"
#include "support/stopwatch.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;
using quill::bench::median;
using quill::bench::Timing;
using quill::bench::time_of;

struct Converter {
    std::string_view name;
    std::string_view source;
    double target;
    std::string_view pair;  // the two converters that share a target, measured together too
    std::function<void(const std::string& source_folder, const std::string& work_folder)> run;
};

long long airport_line_errors = 0;

const std::vector<Converter>& converters() {
    static const std::vector<Converter> all{
        {"airports", "apt.dat", 1.2, "airports+navaids",
         [](const std::string& source, const std::string& work) {
             quill::convert_airports(source, work, [](const std::string&) { ++airport_line_errors; });
         }},
        {"navaids", "earth_nav.dat", 1.2, "airports+navaids", quill::convert_navaids},
        {"fixes", "earth_fix.dat", 1.5, "fixes+airways", quill::convert_fixes},
        {"airways", "earth_awy.dat", 1.5, "fixes+airways", quill::convert_airways},
    };
    return all;
}

struct Options {
    int runs = 7;
    std::vector<std::string> only;
    std::string source_folder;
    std::string work_folder;
};

Options parse(int argc, char** argv) {
    Options options;
    const quill::bench::Arguments arguments = quill::bench::read_arguments(
        argc, argv, 7,
        "bench_convert [--runs N] [--only airports|navaids|fixes|airways]... SOURCE_FOLDER [WORK_FOLDER]",
        "quill-bench-work", [&](std::string_view arg, int& next, int count, char** values) {
            if (arg != "--only" || next + 1 >= count) return false;
            options.only.emplace_back(values[++next]);
            return true;
        });
    options.runs = arguments.runs;
    options.source_folder = arguments.data_folder;
    options.work_folder = arguments.scratch_folder;
    return options;
}

bool wanted(const Options& options, std::string_view name) {
    if (options.only.empty()) return true;
    for (const std::string& only : options.only)
        if (only == name) return true;
    return false;
}

// Sizes what the converter wrote and deletes it, as the loading step of a
// run does: each conversion then creates its files afresh, as in real use.
double clear_work_folder(const std::string& work_folder) {
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(work_folder)) {
        if (!entry.is_regular_file()) continue;
        bytes += entry.file_size();
        fs::remove(entry.path());
    }
    return static_cast<double>(bytes) / 1e6;
}

struct Series {
    std::vector<double> floor_cpu, convert_cpu, cpu_ratios, wall_ratios;
};

// Median CPU times of one converter and of its floor, and whether it met its target.
struct Result {
    double floor = 0;
    double convert = 0;
    bool ok = true;
};

Result measure(const Converter& converter, const Options& options) {
    const std::string source_path = options.source_folder + "/" + std::string(converter.source);
    const double input_mb = static_cast<double>(fs::file_size(source_path)) / 1e6;
    const auto floor = [&] { quill::bench::read_and_split(source_path); };
    const auto convert = [&] { converter.run(options.source_folder, options.work_folder); };
    // One untimed round brings the file into the page cache.
    floor();
    convert();
    double output_mb = clear_work_folder(options.work_folder);
    Series series;
    for (int run = 0; run < options.runs; ++run) {
        const Timing floor_time = time_of(floor);
        const Timing convert_time = time_of(convert);
        output_mb = clear_work_folder(options.work_folder);
        series.floor_cpu.push_back(floor_time.cpu);
        series.convert_cpu.push_back(convert_time.cpu);
        series.cpu_ratios.push_back(convert_time.cpu / floor_time.cpu);
        series.wall_ratios.push_back(convert_time.wall / floor_time.wall);
    }
    const double ratio = median(series.cpu_ratios);
    const bool ok = ratio <= converter.target;
    const auto [low, high] = std::minmax_element(series.cpu_ratios.begin(), series.cpu_ratios.end());
    std::printf("%-8s %6.1f MB in %5.1f MB out | floor %6.1f ms | convert %6.1f ms | ratio %5.2f (%.2f-%.2f)"
                " | wall ratio %5.2f | target %.1f %s\n",
                std::string(converter.name).c_str(), input_mb, output_mb,
                median(series.floor_cpu) * 1e3, median(series.convert_cpu) * 1e3, ratio, *low, *high,
                median(series.wall_ratios), converter.target, ok ? "ok" : "OVER");
    return {median(series.floor_cpu), median(series.convert_cpu), ok};
}

// The converters of a pair share a target: their summed times against their summed floors.
struct PairTotal {
    Result sum;
    double target = 0;
    int measured = 0;
};

// A pair measured together meets its target on the sums; a converter measured
// without its partner has to meet it alone.
bool report_pair(std::string_view name, const PairTotal& total) {
    if (total.measured < 2) return total.sum.ok;
    const double ratio = total.sum.convert / total.sum.floor;
    const bool ok = ratio <= total.target;
    std::printf("%-16s floor %6.1f ms | convert %6.1f ms | ratio %5.2f | target %.1f %s\n",
                std::string(name).c_str(), total.sum.floor * 1e3, total.sum.convert * 1e3, ratio, total.target,
                ok ? "ok" : "OVER");
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        fs::create_directories(options.work_folder);
        std::printf("build %s, %d runs each; CPU time medians, ratio = convert / floor\n", QUILL_BUILD_TYPE,
                    options.runs);
        std::map<std::string_view, PairTotal> pairs;
        for (const Converter& converter : converters()) {
            if (!wanted(options, converter.name)) continue;
            const Result result = measure(converter, options);
            PairTotal& total = pairs[converter.pair];
            total.sum.floor += result.floor;
            total.sum.convert += result.convert;
            total.sum.ok &= result.ok;
            total.target = converter.target;
            ++total.measured;
        }
        bool all_ok = true;
        for (const auto& [name, total] : pairs) all_ok &= report_pair(name, total);
        if (airport_line_errors > 0) std::printf("apt.dat lines reported as errors: %lld\n", airport_line_errors);
        std::printf("peak resident memory %.1f MB\n", quill::bench::peak_memory_mb());
        return all_ok ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_convert: %s\n", error.what());
        return 2;
    }
}
