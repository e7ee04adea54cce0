#include "app/platform.h"
#include "cli/cli_app.h"

#include <iostream>

int main(int argc, char** argv) {
    quill::use_utf8_console();
    return quill::cli::run_cli(quill::program_arguments(argc, argv), std::cout, std::cerr);
}
