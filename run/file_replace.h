#pragma once

#include <string>

namespace quill {

// Copies the source file over the target so that the target is never seen
// half-written: the copy goes to "<target>.tmp" in the target's own folder,
// is flushed to disk, then renamed over the target. On failure the target is
// left as it was, the temporary file is removed and a quill::Error tells why:
// "<action> <path>: <reason>", the reason "in use by another program" for a
// target that another program holds open where the system keeps it from
// being replaced (Windows).
void replace_file(const std::string& source, const std::string& target);

} // namespace quill
