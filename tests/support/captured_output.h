// Lets a test read what the program wrote to its real standard output, as a file would receive it.
#pragma once

#include <cstdint>
#include <string>

namespace quill::test {

// The process's standard output sent to a file while the object lives, as a
// user redirects it (captured_output_posix.cpp, captured_output_win32.cpp).
// What the test framework writes there meanwhile goes to the file too.
class CapturedOutput {
public:
    explicit CapturedOutput(const std::string& file);
    ~CapturedOutput();
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

private:
    std::intptr_t saved_;   // the standard output before: a descriptor or a HANDLE
    std::intptr_t capture_; // the file, on Windows; -1 elsewhere
};

} // namespace quill::test
