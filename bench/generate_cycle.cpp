// Writes a synthetic world-size navigation data cycle (apt.dat, earth_nav.dat,
// earth_fix.dat, earth_awy.dat) in the X-Plane 11/12 formats.
#include "cycle/cycle_files.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

struct Options {
    int scale = 1;
    std::uint64_t seed = quill::bench::kDefaultSeed;
    std::string folder;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "Usage: generate_cycle [--scale N] [--seed S] OUTPUT_FOLDER\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "--scale" || arg == "--seed") && i + 1 < argc) {
            const unsigned long long value = std::stoull(argv[++i]);
            if (arg == "--scale") options.scale = static_cast<int>(value);
            else options.seed = value;
        } else if (!arg.starts_with("-") && options.folder.empty()) {
            options.folder = arg;
        } else {
            usage();
        }
    }
    if (options.folder.empty() || options.scale < 1) usage();
    if (!options.folder.ends_with('/')) options.folder += '/';
    return options;
}

void print(const quill::bench::FileSummary& summary) {
    std::printf("%-14s %10lld lines %8.1f MB\n", summary.name.c_str(), summary.lines, summary.bytes / 1e6);
    for (const auto& [what, count] : summary.counts) std::printf("    %-18s %9lld\n", what.c_str(), count);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        std::filesystem::create_directories(options.folder);
        const auto start = std::chrono::steady_clock::now();
        for (const quill::bench::FileSummary& summary :
             quill::bench::write_cycle(options.folder, options.scale, options.seed))
            print(summary);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("scale %d, seed %llu, %.1f s\n", options.scale, static_cast<unsigned long long>(options.seed),
                    took.count());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "generate_cycle: %s\n", error.what());
        return 1;
    }
}
