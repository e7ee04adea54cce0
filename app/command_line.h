// The window's start-up parameters: the cycle folder, an unattended start and where the window
// opens; or --version alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quill {

// What the start-up parameters ask for. Accepted forms, by parameter count:
//   1: FOLDER
//   2: FOLDER start
//   4: FOLDER start LEFT TOP
// Any other count is ignored whole. "start" must be written in lower case.
struct StartOptions {
    std::optional<std::string> folder;
    bool auto_run = false;
    // The texts of left and top; converted only after the folder is taken.
    std::optional<std::string> left;
    std::optional<std::string> top;
};

// The parameters without the program's own path.
StartOptions parse_command_line(const std::vector<std::string>& parameters);

// True for the one parameter "--version": the window prints its version and
// ends without opening, as a packager checks it. No cycle folder has that name.
bool asks_for_version(const std::vector<std::string>& parameters);

struct WindowPosition {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// Converts left, then top; throws the integer conversion error of the first
// text that fails. Only called when the options hold a position.
WindowPosition convert_position(const StartOptions& options);

} // namespace quill
