#include "app/environment.h"

#include "app/platform.h"

namespace quill {

std::string GetEnvVar(const std::string& name) { return environment_variable(name); }

std::string ApplicationDataFolder() {
    const std::string folder = GetEnvVar("APPDATA");
    return folder.empty() ? default_data_folder().path : folder;
}

std::string DescribeApplicationDataFolder() {
    const std::string appdata = GetEnvVar("APPDATA");
    if (!appdata.empty()) return appdata + " (APPDATA)";
    const NamedFolder folder = default_data_folder();
    return folder.path + " (" + folder.name + ")";
}

} // namespace quill
