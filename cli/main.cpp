#include "cli/cli_app.h"

#include <iostream>

int main(int argc, char** argv) {
    return quill::cli::run_cli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
