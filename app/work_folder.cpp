// Creates the program's two folder levels below the application-data folder.
#include "app/work_folder.h"

#include "app/environment.h"
#include "app/file_system.h"

namespace quill {

namespace {

void append_level(std::string& path, std::string_view name) {
    path += kPathSeparator;
    path += name;
    make_folder(path);
}

} // namespace

std::string make_work_folder() {
    std::string folder = application_data_folder();
    append_level(folder, "Orvanel");
    append_level(folder, "Quillstrom");
    folder += kPathSeparator;
    return folder;
}

std::string work_database_path(const std::string& work_folder) {
    return work_folder + std::string(kWorkDatabaseName);
}

} // namespace quill
