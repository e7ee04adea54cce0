#include "app/environment.h"

#include "app/platform.h"

namespace quill {

std::string GetEnvVar(const std::string& name) { return environment_variable(name); }

std::string ApplicationDataFolder() {
    std::string folder = GetEnvVar("APPDATA");
    if (!folder.empty()) return folder;
    folder = GetEnvVar("XDG_DATA_HOME");
    if (!folder.empty()) return folder;
    return home_folder() + kPathSeparator + ".local" + kPathSeparator + "share";
}

std::string DescribeApplicationDataFolder() {
    const char* origin = GetEnvVar("APPDATA").empty() ? "the XDG data home" : "APPDATA";
    return ApplicationDataFolder() + " (" + origin + ")";
}

} // namespace quill
