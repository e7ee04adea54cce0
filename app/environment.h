// Where the products keep their databases: the application-data folder, taken from the command
// line, APPDATA or the system.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/platform.h"

namespace quill {

inline constexpr char kPathSeparator =
    static_cast<char>(std::filesystem::path::preferred_separator);

// The value of an environment variable; empty when it is not set or empty.
std::string get_env_var(const std::string& name);

// The folder below which the products keep their data: the folder of an
// ApplicationDataOverride while one lives, otherwise APPDATA when it is set,
// otherwise the system's own (default_data_folder: the XDG data home on POSIX
// systems, the roaming application-data folder on Windows). Read anew at
// every call, without a trailing separator.
std::string application_data_folder();

// The application-data folder with where it came from, for messages:
// "<folder> (APPDATA)", "<folder> (the XDG data home)",
// "<folder> (the roaming application-data folder)" or, overridden,
// "<folder> (<origin>)".
std::string describe_application_data_folder();

// Makes a folder the application-data folder of the whole process while the
// object lives, whatever the environment says: a user's choice on the command
// line (origin "--appdata"), where products run under an emulator with their
// own roaming folder. Without a folder it changes nothing. Made before any run
// starts; the one it replaces comes back when it goes.
class ApplicationDataOverride {
public:
    ApplicationDataOverride(const std::optional<std::string>& folder, std::string origin);
    ~ApplicationDataOverride();
    ApplicationDataOverride(const ApplicationDataOverride&) = delete;
    ApplicationDataOverride& operator=(const ApplicationDataOverride&) = delete;

private:
    std::optional<NamedFolder> replaced_;
    bool active_ = false;
};

} // namespace quill
