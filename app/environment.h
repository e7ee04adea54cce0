#pragma once

#include <filesystem>
#include <string>

namespace quill {

inline constexpr char kPathSeparator =
    static_cast<char>(std::filesystem::path::preferred_separator);

// The value of an environment variable; empty when it is not set or empty.
std::string GetEnvVar(const std::string& name);

// The folder below which the products keep their data: APPDATA when it is set,
// otherwise the system's own (default_data_folder: the XDG data home on POSIX
// systems, the roaming application-data folder on Windows). Read anew at
// every call, without a trailing separator.
std::string ApplicationDataFolder();

// The application-data folder with where it came from, for messages:
// "<folder> (APPDATA)", "<folder> (the XDG data home)" or
// "<folder> (the roaming application-data folder)".
std::string DescribeApplicationDataFolder();

} // namespace quill
