// How a benchmark's runs and folders are read from its command line.
#include "support/arguments.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace quill::bench {

namespace {

[[noreturn]] void usage_exit(std::string_view usage) {
    std::fprintf(stderr, "Usage: %.*s\n", static_cast<int>(usage.size()), usage.data());
    std::exit(2);
}

} // namespace

Arguments read_arguments(int argc, char** argv, int default_runs, std::string_view usage,
                         std::string_view scratch_name, const FlagReader& own_flag) {
    Arguments arguments;
    arguments.runs = default_runs;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) arguments.runs = std::atoi(argv[++i]);
        else if (own_flag && own_flag(arg, i, argc, argv)) continue;
        else if (arg.starts_with("-")) usage_exit(usage);
        else if (arguments.data_folder.empty()) arguments.data_folder = arg;
        else if (arguments.scratch_folder.empty()) arguments.scratch_folder = arg;
        else usage_exit(usage);
    }
    if (arguments.data_folder.empty() || arguments.runs < 1) usage_exit(usage);
    if (arguments.scratch_folder.empty())
        arguments.scratch_folder = (std::filesystem::temp_directory_path() / scratch_name).string();
    if (!arguments.scratch_folder.ends_with('/')) arguments.scratch_folder += '/';
    return arguments;
}

} // namespace quill::bench
