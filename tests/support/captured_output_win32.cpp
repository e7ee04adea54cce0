// Captured output on Windows: the process's standard handle swapped for the file's.
#include "support/captured_output.h"

#include <windows.h>

#include <stdexcept>

#include "app/wide_text.h"

namespace quill::test {

// The program writes to the handle the system gives as standard output.
CapturedOutput::CapturedOutput(const std::string& file)
    : saved_(reinterpret_cast<std::intptr_t>(::GetStdHandle(STD_OUTPUT_HANDLE))), capture_(-1) {
    const HANDLE capture = ::CreateFileW(to_wide_path(file).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                         nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (capture == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + file);
    capture_ = reinterpret_cast<std::intptr_t>(capture);
    ::SetStdHandle(STD_OUTPUT_HANDLE, capture);
}

CapturedOutput::~CapturedOutput() {
    ::SetStdHandle(STD_OUTPUT_HANDLE, reinterpret_cast<HANDLE>(saved_));
    ::CloseHandle(reinterpret_cast<HANDLE>(capture_));
}

} // namespace quill::test
