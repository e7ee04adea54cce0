// Splits the Windows command line into parameters by its quote and backslash rules.
#include "app/windows_command_line.h"

namespace quill {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool ends_parameter(std::string_view line, std::size_t at) {
    return at == line.size() || is_blank(line[at]);
}

std::size_t after_program_name(std::string_view line) {
    if (line.starts_with('"')) {
        const std::size_t closing = line.find('"', 1);
        return closing == std::string_view::npos ? line.size() : closing + 1;
    }
    std::size_t at = 0;
    while (at < line.size() && !is_blank(line[at])) ++at;
    return at;
}

// One parameter read from `at` on, leaving `at` at the blank or end after it.
class ParameterReader {
public:
    ParameterReader(std::string_view line, std::size_t& at) : line_(line), at_(at) {}

    std::string read() {
        while (at_ < line_.size() && (quoted_ || !is_blank(line_[at_]))) {
            if (line_[at_] == '\\') read_backslashes();
            else if (line_[at_] == '"') read_quote();
            else text_ += line_[at_++];
        }
        return text_;
    }

private:
    // A run of backslashes and what it does to a double quote after it.
    void read_backslashes() {
        std::size_t count = 0;
        for (; at_ < line_.size() && line_[at_] == '\\'; ++at_) ++count;
        if (at_ == line_.size() || line_[at_] != '"') {
            text_.append(count, '\\');
            return;
        }
        text_.append(count / 2, '\\');
        if (count % 2 == 0) return; // the quote opens or closes
        ++at_;
        if (quoted_ && ends_parameter(line_, at_)) {
            text_ += '\\';
            quoted_ = false;
            return;
        }
        text_ += '"';
    }

    void read_quote() {
        ++at_;
        if (quoted_ && at_ < line_.size() && line_[at_] == '"') {
            text_ += '"';
            ++at_;
            return;
        }
        quoted_ = !quoted_;
    }

    std::string_view line_;
    std::size_t& at_;
    std::string text_;
    bool quoted_ = false;
};

} // namespace

std::vector<std::string> split_command_line(std::string_view line) {
    std::vector<std::string> parameters;
    std::size_t at = after_program_name(line);
    for (;;) {
        while (at < line.size() && is_blank(line[at])) ++at;
        if (at == line.size()) return parameters;
        parameters.push_back(ParameterReader(line, at).read());
    }
}

} // namespace quill
