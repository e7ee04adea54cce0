// Starts a program built with the tests as a calling program would, and waits for its end
// (program_run_posix.cpp, program_run_win32.cpp).
#pragma once

#include <string>
#include <vector>

namespace quill::test {

struct ProgramRun {
    unsigned long status; // the exit status; 128 plus the signal's number when a signal ended it
    std::string error_output;
    bool finished; // within the time allowed; a program still running then is ended
};

// Starts the program with the parameters, its standard error read into the result, and waits
// for its end, no longer than the time allowed.
ProgramRun run_program(const std::string& program, const std::vector<std::string>& parameters,
                       unsigned timeout_ms);

// On Windows, where a program is started by its whole command line: the one that starts the
// program with the parameters, each in double quotes, as a shell quotes them.
std::wstring command_line(const std::string& program, const std::vector<std::string>& parameters);

} // namespace quill::test
