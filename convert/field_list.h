// The tokenizers of the converters and the loader: source lines on blanks, intermediate lines on
// pipes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The fields of the current line. Fields are views into the line (or, for a
// quoted field with doubled quotes, into the list's own storage) and stay
// valid until the next split or until the line's buffer moves on.
class FieldList {
public:
    // Blank tokenizer for source files: fields are runs of characters above
    // code 32; a double-quoted field may hold blanks.
    // A reader that needs only the first fields can stop the split there.
    void split_blanks(std::string_view line, std::size_t max_fields = SIZE_MAX);
    // Pipe tokenizer for intermediate files: n pipes give n + 1 fields,
    // empty ones included; an empty line gives none.
    void split_pipes(std::string_view line);

    std::size_t count() const { return fields_.size(); }
    // Throws "List index out of bounds (n)" past the last field.
    std::string_view operator[](std::size_t index) const {
        if (index >= fields_.size()) throw_index_error(index);
        return fields_[index];
    }

private:
    [[noreturn]] static void throw_index_error(std::size_t index);
    // Reads a quoted field starting at the opening quote; returns the position
    // after the closing quote (or the end of the line).
    std::size_t read_quoted(std::string_view line, std::size_t open);
    void start(std::string_view line);

    std::vector<std::string_view> fields_;
    std::string unquoted_;
};

} // namespace quill
