// quillstrom-cli's main: UTF-8 streams on every system, and a closed output pipe ends no run.
#include "app/closed_output.h"
#include "app/platform.h"
#include "app/standard_text.h"
#include "cli/cli_app.h"

#include <ostream>

int main(int argc, char** argv) {
    quill::keep_running_when_output_closes();
    quill::StandardText output(quill::StandardStream::Output);
    quill::StandardText errors(quill::StandardStream::Error);
    std::ostream out(&output);
    std::ostream err(&errors);
    return quill::cli::run_cli(quill::program_arguments(argc, argv), out, err);
}
