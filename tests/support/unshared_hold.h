// Plays another program that holds a product database open without sharing it.
#pragma once

#include <cstdint>
#include <string>

namespace quill::test {

// Another program that holds a file open without sharing it with anyone, as
// a Windows program may hold a product's database, until the object goes
// (unshared_hold_win32.cpp). POSIX systems have no share modes
// (unshared_hold_posix.cpp): there kPossible is false and the constructor throws.
class UnsharedHold {
public:
    static const bool kPossible;

    explicit UnsharedHold(const std::string& path);
    ~UnsharedHold();
    UnsharedHold(const UnsharedHold&) = delete;
    UnsharedHold& operator=(const UnsharedHold&) = delete;

private:
    std::intptr_t handle_ = -1;
};

} // namespace quill::test
