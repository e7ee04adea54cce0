// On POSIX systems no file can be held without sharing, so the hold always fails.
#include "support/unshared_hold.h"

#include <stdexcept>

namespace quill::test {

const bool UnsharedHold::kPossible = false;

UnsharedHold::UnsharedHold(const std::string& path) {
    throw std::runtime_error("POSIX systems have no share modes to hold " + path + " with");
}

UnsharedHold::~UnsharedHold() = default;

} // namespace quill::test
