// How the application-data folder is chosen, overridden and described in messages.
#include "app/environment.h"

#include <utility>

namespace quill {

namespace {

// The folder that stands in for the application-data folder, when one does.
std::optional<NamedFolder>& overriding_folder() {
    static std::optional<NamedFolder> folder;
    return folder;
}

// A trailing separator would double the one every path below adds.
std::string without_trailing_separators(std::string folder) {
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == kPathSeparator))
        folder.pop_back();
    return folder;
}

} // namespace

std::string get_env_var(const std::string& name) { return environment_variable(name); }

std::string application_data_folder() {
    if (overriding_folder()) return overriding_folder()->path;
    const std::string folder = get_env_var("APPDATA");
    return folder.empty() ? default_data_folder().path : folder;
}

std::string describe_application_data_folder() {
    if (const std::optional<NamedFolder>& chosen = overriding_folder())
        return chosen->path + " (" + chosen->name + ")";
    const std::string appdata = get_env_var("APPDATA");
    if (!appdata.empty()) return appdata + " (APPDATA)";
    const NamedFolder folder = default_data_folder();
    return folder.path + " (" + folder.name + ")";
}

ApplicationDataOverride::ApplicationDataOverride(const std::optional<std::string>& folder,
                                                 std::string origin) {
    if (!folder) return;
    replaced_ = overriding_folder();
    overriding_folder() = NamedFolder{without_trailing_separators(*folder), std::move(origin)};
    active_ = true;
}

ApplicationDataOverride::~ApplicationDataOverride() {
    if (active_) overriding_folder() = replaced_;
}

} // namespace quill
