// Product databases installed where the program looks for them, for the tests that drive the
// windows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quill::test {

// Installs the product of the table row below the application-data folder as it is now (a
// sandbox's): a file that only looks like one, or, when a run is to update it, a fresh database
// from the bundled schema with the extra SQL run on it. Its path.
std::string install_product(std::size_t row, bool real = false, std::string_view extra_sql = {});

// The progress lines of a run of the whole sample cycle: its four conversions, the blank line
// and the twenty blocks loaded.
const std::vector<std::string>& sample_run_lines();

} // namespace quill::test
