// The system's error codes the tests of error texts run through.
#pragma once

#include <string>
#include <vector>

#include "app/error.h"

namespace quill::test {

// This system's error codes (errno values on POSIX systems, Win32 codes on
// Windows) for each condition the program has a text for, so that a test can
// hold every system to one text per condition (system_codes_posix.cpp,
// system_codes_win32.cpp).
std::vector<long> system_codes(IoFailure failure);

// A code of this system that the program has no text of its own for.
long unnamed_system_code();
// The system's own description of a code, as the system gives it.
std::string system_description(long code);

} // namespace quill::test
