// Points APPDATA, or another variable, where a test wants it for the test's length only.
#pragma once

#include <optional>
#include <string>

#include "app/platform.h"

namespace quill::test {

// Sets or clears an environment variable of the test process and restores it
// when it goes. (Under Wine the process's own environment is the one that
// counts: Wine sets APPDATA itself, whatever the caller's environment says.)
class ScopedVariable {
public:
    ScopedVariable(std::string name, const std::optional<std::string>& value)
        : name_(std::move(name)) {
        const std::string old = environment_variable(name_);
        if (!old.empty()) saved_ = old;
        set_environment_variable(name_, value);
    }
    ~ScopedVariable() { set_environment_variable(name_, saved_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> saved_; // none when it was not set or empty
};

} // namespace quill::test
