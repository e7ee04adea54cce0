#include "database/intermediate_files.h"

#include <cstdio>

namespace quill {

void DeleteIntermediateFiles(const std::string& work_folder) {
    for (const std::string_view name : kIntermediateFiles)
        std::remove((work_folder + std::string(name)).c_str());
}

} // namespace quill
