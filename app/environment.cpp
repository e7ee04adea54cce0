#include "app/environment.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace quill {

namespace {

std::string home_folder() {
    std::string home = GetEnvVar("HOME");
    if (!home.empty()) return home;
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

} // namespace

std::string GetEnvVar(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

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
