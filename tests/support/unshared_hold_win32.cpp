// Holds the file open on Windows with a share mode of none.
#include "support/unshared_hold.h"

#include <windows.h>

#include <stdexcept>

#include "app/wide_text.h"

namespace quill::test {

const bool UnsharedHold::kPossible = true;

UnsharedHold::UnsharedHold(const std::string& path) {
    const HANDLE file = ::CreateFileW(to_wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot hold " + path);
    handle_ = reinterpret_cast<std::intptr_t>(file);
}

UnsharedHold::~UnsharedHold() { ::CloseHandle(reinterpret_cast<HANDLE>(handle_)); }

} // namespace quill::test
