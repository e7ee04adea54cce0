// Converts a generated cycle and prints, for each converter, its time as a
// ratio of the floor measured in the same run: reading the same file in large
// blocks and splitting every line at blanks.
#include "convert/airport_converter.h"
#include "convert/airway_converter.h"
#include "convert/fix_converter.h"
#include "convert/navaid_converter.h"
#include "support/block_floor.h"
#include "support/stopwatch.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;
using quill::bench::median;
using quill::bench::seconds_for;

struct Converter {
    std::string_view name;
    std::string_view source;
    double target;
    std::function<void(const std::string& source_folder, const std::string& work_folder)> run;
};

long long airport_line_errors = 0;

const std::vector<Converter>& converters() {
    static const std::vector<Converter> all{
        {"airports", "apt.dat", 1.2,
         [](const std::string& source, const std::string& work) {
             quill::ConvertAirports(source, work, [](const std::string&) { ++airport_line_errors; });
         }},
        {"navaids", "earth_nav.dat", 1.2, quill::ConvertNavaids},
        {"fixes", "earth_fix.dat", 1.5, quill::ConvertFixes},
        {"airways", "earth_awy.dat", 1.5, quill::ConvertAirways},
    };
    return all;
}

struct Options {
    int runs = 7;
    std::vector<std::string> only;
    std::string source_folder;
    std::string work_folder;
};

[[noreturn]] void usage() {
    std::fprintf(stderr,
                 "Usage: bench_convert [--runs N] [--only airports|navaids|fixes|airways]... SOURCE_FOLDER "
                 "[WORK_FOLDER]\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) options.runs = std::atoi(argv[++i]);
        else if (arg == "--only" && i + 1 < argc) options.only.emplace_back(argv[++i]);
        else if (arg.starts_with("-")) usage();
        else if (options.source_folder.empty()) options.source_folder = arg;
        else if (options.work_folder.empty()) options.work_folder = arg;
        else usage();
    }
    if (options.source_folder.empty() || options.runs < 1) usage();
    if (options.work_folder.empty()) options.work_folder = (fs::temp_directory_path() / "quill-bench-work").string();
    if (!options.work_folder.ends_with('/')) options.work_folder += '/';
    return options;
}

bool wanted(const Options& options, std::string_view name) {
    if (options.only.empty()) return true;
    for (const std::string& only : options.only)
        if (only == name) return true;
    return false;
}

// Sizes what the converter wrote, then clears the work folder for the next one.
double take_output_mb(const std::string& work_folder) {
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(work_folder)) {
        if (!entry.is_regular_file()) continue;
        bytes += entry.file_size();
        fs::remove(entry.path());
    }
    return static_cast<double>(bytes) / 1e6;
}

bool measure(const Converter& converter, const Options& options) {
    const std::string source_path = options.source_folder + "/" + std::string(converter.source);
    const double input_mb = static_cast<double>(fs::file_size(source_path)) / 1e6;
    // One untimed round brings the file into the page cache.
    quill::bench::read_and_split(source_path);
    converter.run(options.source_folder, options.work_folder);
    std::vector<double> floors, times, ratios;
    for (int run = 0; run < options.runs; ++run) {
        const double floor = seconds_for([&] { quill::bench::read_and_split(source_path); });
        const double time = seconds_for([&] { converter.run(options.source_folder, options.work_folder); });
        floors.push_back(floor);
        times.push_back(time);
        ratios.push_back(time / floor);
    }
    const double ratio = median(ratios);
    const bool ok = ratio <= converter.target;
    std::printf("%-9s %8.1f MB in %7.1f MB out  floor %7.1f ms  convert %7.1f ms  ratio %5.2f (min %5.2f max %5.2f)"
                "  target %.1f  %s\n",
                std::string(converter.name).c_str(), input_mb, take_output_mb(options.work_folder),
                median(floors) * 1e3, median(times) * 1e3, ratio,
                *std::min_element(ratios.begin(), ratios.end()), *std::max_element(ratios.begin(), ratios.end()),
                converter.target, ok ? "ok" : "OVER");
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        fs::create_directories(options.work_folder);
        std::printf("build %s, %d runs per converter, medians\n", QUILL_BUILD_TYPE, options.runs);
        bool all_ok = true;
        for (const Converter& converter : converters())
            if (wanted(options, converter.name)) all_ok &= measure(converter, options);
        if (airport_line_errors > 0) std::printf("apt.dat lines reported as errors: %lld\n", airport_line_errors);
        std::printf("peak resident memory %.1f MB\n", quill::bench::peak_memory_mb());
        return all_ok ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_convert: %s\n", error.what());
        return 2;
    }
}
