// Replaces a product database file whole, so that it is never seen half-written.
#pragma once

#include <string>

namespace quill {

// A copy of a file made ready to replace a target without the target ever
// being seen half-written: the copy goes to "<target>.tmp" in the target's
// own folder and is flushed to disk; commit() renames it over the target.
// Until then the target is untouched, and a copy never committed is removed.
// Failures throw a quill::Error that tells why: "<action> <path>: <reason>",
// the reason "in use by another program" for a target that another program
// holds open where the system keeps it from being replaced (Windows).
class StagedCopy {
public:
    StagedCopy(const std::string& source, const std::string& target);
    ~StagedCopy();
    // The moved copy is left as if committed: it removes nothing.
    StagedCopy(StagedCopy&& other) noexcept;
    StagedCopy(const StagedCopy&) = delete;
    StagedCopy& operator=(const StagedCopy&) = delete;

    void commit();

private:
    std::string temporary_;
    std::string target_;
    bool committed_ = false;
};

} // namespace quill
