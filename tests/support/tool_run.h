// Starts quillstrom-cli as a real process, for the test that a closed output pipe ends no update.
#pragma once

#include <string>
#include <vector>

namespace quill::test {

// Runs the headless tool built with the tests as a program of its own, with
// the parameters, its standard output a pipe whose reader has already gone,
// as in `quillstrom-cli FOLDER | head -1` once head has ended; standard error
// goes where the test's goes. It starts with the system's default response to
// a broken pipe, as from a shell (tool_run_posix.cpp, tool_run_win32.cpp).
// Gives the exit status as a shell shows it: 128 plus the signal's number
// when a signal ended the tool.
int run_tool_with_output_closed(const std::vector<std::string>& parameters);

} // namespace quill::test
