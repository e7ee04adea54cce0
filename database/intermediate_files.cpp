#include "database/intermediate_files.h"

#include "app/file_system.h"

namespace quill {

void DeleteIntermediateFiles(const std::string& work_folder) {
    for (const std::string_view name : kIntermediateFiles)
        remove_file(work_folder + std::string(name));
}

} // namespace quill
