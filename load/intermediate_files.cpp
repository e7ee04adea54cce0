// Clears the intermediate files out of the work folder.
#include "load/intermediate_files.h"

#include "app/file_system.h"

namespace quill {

void delete_intermediate_files(const std::string& work_folder) {
    for (const std::string_view name : kIntermediateFiles)
        remove_file(work_folder + std::string(name));
}

} // namespace quill
