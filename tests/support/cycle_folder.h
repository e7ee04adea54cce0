#pragma once

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

} // namespace quill::test
