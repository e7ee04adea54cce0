// The empty product databases the benchmarks load into and publish to.
#pragma once

#include <string>

namespace quill::bench {

// Creates an empty product database from the bundled schema, replacing any file at the path.
void make_product(const std::string& path);

// A plain whole-file copy, replacing the destination.
void copy_over(const std::string& from, const std::string& to);

} // namespace quill::bench
