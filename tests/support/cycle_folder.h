// Source folders for the tests of data cycles and of categories run alone.
#pragma once

#include <string>
#include <string_view>

#include "support/temp_dir.h"

namespace quill::test {

// The bundled sample cycle in a folder of its own, with each file's version
// line naming the data cycle given for it ("" names none).
class CycleFolder : public TempDir {
public:
    CycleFolder(std::string_view apt, std::string_view nav, std::string_view fix,
                std::string_view awy);
};

// Writes the source file of that name (in any letter case) into the folder:
// its header, one record and its end line, the least a run takes.
void write_one_record_source(const std::string& folder, const std::string& name);

} // namespace quill::test
