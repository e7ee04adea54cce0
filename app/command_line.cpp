// How the window reads its start-up parameters and turns a given position into numbers.
#include "app/command_line.h"

#include "app/integer_text.h"

namespace quill {

StartOptions parse_command_line(const std::vector<std::string>& parameters) {
    StartOptions options;
    const std::size_t count = parameters.size();
    if (count != 1 && count != 2 && count != 4) return options;
    options.folder = parameters[0];
    if (count >= 2) options.auto_run = parameters[1] == "start";
    if (count == 4) {
        options.left = parameters[2];
        options.top = parameters[3];
    }
    return options;
}

bool asks_for_version(const std::vector<std::string>& parameters) {
    return parameters.size() == 1 && parameters[0] == "--version";
}

WindowPosition convert_position(const StartOptions& options) {
    WindowPosition position;
    position.left = text_to_integer(options.left.value());
    position.top = text_to_integer(options.top.value());
    return position;
}

} // namespace quill
