// The command line every benchmark shares: runs, data folder and scratch folder.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quill::bench {

// What every benchmark is given: how many runs, the folder of the data and a
// scratch folder to write into.
struct Arguments {
    int runs = 0;
    std::string data_folder;
    std::string scratch_folder; // ends with '/'
};

// A program's own flag: true when it took the argument, advancing `next`
// past a value it read.
using FlagReader = std::function<bool(std::string_view arg, int& next, int argc, char** argv)>;

// Reads "[--runs N] [own flags] DATA_FOLDER [SCRATCH_FOLDER]"; without a scratch
// folder, one of the given name in the temporary folder. Prints the usage line
// and exits on anything else.
Arguments read_arguments(int argc, char** argv, int default_runs, std::string_view usage,
                         std::string_view scratch_name, const FlagReader& own_flag = {});

} // namespace quill::bench
